// Feeds arbitrary bytes to the message decoder the client and the server share: as one message
// body, and as a socket stream cut into frames. Anything but a clean ProtocolError is a finding.

#include "FrameBuffer.h"
#include "FrameCodec.h"
#include "ProtocolError.h"
#include "operations.h"

#include <cstddef>
#include <cstdint>

using namespace vorpa;

namespace {

void exercise(const QByteArray &body)
{
    Message m;
    try {
        m = FrameCodec::decode(body);
    } catch (const ProtocolError &) {
        return;
    }
    // Whatever decodes must also pass the signature checks and encode again without trouble.
    if (auto *call = std::get_if<CallMessage>(&m)) {
        if (const OperationSpec *op = findOperation(call->method))
            (void)checkInputs(*op, call->params);
        try {
            (void)FrameCodec::decode(FrameCodec::encode(*call).mid(FrameCodec::HeaderSize));
        } catch (const ProtocolError &) {
        }
    } else if (auto *reply = std::get_if<ReplyMessage>(&m)) {
        for (const OperationSpec &op : serverOperations())
            (void)checkAnswer(op, reply->outs, reply->result);
        if (reply->result.isTable()) {
            const DataSet &t = reply->result.table();
            for (int r = 0; r < t.recordCount(); ++r)
                for (int c = 0; c < t.fieldCount(); ++c)
                    (void)t.value(r, c);
        }
        try {
            (void)FrameCodec::decode(FrameCodec::encode(*reply).mid(FrameCodec::HeaderSize));
        } catch (const ProtocolError &) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    exercise(bytes);

    // The same bytes as a stream, in uneven chunks, with a small limit so oversize paths run.
    FrameBuffer buffer(64 * 1024);
    qsizetype pos = 0;
    qsizetype chunk = 1;
    try {
        while (pos < bytes.size()) {
            buffer.append(bytes.mid(pos, chunk));
            pos += chunk;
            chunk = chunk * 3 % 97 + 1;
            while (std::optional<QByteArray> body = buffer.next())
                exercise(*body);
        }
    } catch (const ProtocolError &) {
    }
    return 0;
}
