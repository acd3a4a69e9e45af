#include "FrameCodec.h"

#include "ProtocolError.h"
#include "WireReader.h"
#include "WireWriter.h"

#include <QtEndian>

#include <cstring>
#include <limits>

namespace vorpa {

namespace {

WireWriter start(FrameCodec::Kind kind)
{
    WireWriter w(QByteArray(FrameCodec::HeaderSize, '\0'));
    w.u8(quint8(kind));
    return w;
}

QByteArray finish(WireWriter &w)
{
    QByteArray frame = w.take();
    const qsizetype body = frame.size() - FrameCodec::HeaderSize;
    if (quint64(body) > FrameCodec::DefaultMaxMessageSize)
        throw ProtocolError(QStringLiteral("İleti çok büyük: %1 bayt, en çok %2 bayt gönderilebilir")
                                .arg(body)
                                .arg(FrameCodec::DefaultMaxMessageSize)
                                .toStdString());
    qToBigEndian(quint32(body), frame.data());
    return frame;
}

void writeGreeting(WireWriter &w, quint16 version)
{
    w.raw(FrameCodec::Magic, 4);
    w.u16(version);
}

quint16 readGreeting(WireReader &r)
{
    const QByteArray magic = r.raw(4);
    if (std::memcmp(magic.constData(), FrameCodec::Magic, 4) != 0)
        throw ProtocolError("Bu bir Vorpa sunucu iletisi değil");
    return r.u16();
}

void writeValues(WireWriter &w, const QList<WireValue> &values)
{
    if (values.size() > std::numeric_limits<quint16>::max())
        throw ProtocolError("Fazla sayıda parametre");
    w.u16(quint16(values.size()));
    for (const WireValue &v : values)
        w.value(v);
}

QList<WireValue> readValues(WireReader &r)
{
    const quint16 n = r.u16();
    QList<WireValue> values;
    // Each value takes at least its tag byte.
    if (n > r.remaining())
        throw ProtocolError("İleti eksik: bildirilen parametreler sığmıyor");
    values.reserve(n);
    for (quint16 i = 0; i < n; ++i)
        values.append(r.value());
    return values;
}

} // namespace

QByteArray FrameCodec::encode(const HelloMessage &m)
{
    WireWriter w = start(Kind::Hello);
    writeGreeting(w, m.version);
    return finish(w);
}

QByteArray FrameCodec::encode(const WelcomeMessage &m)
{
    WireWriter w = start(Kind::Welcome);
    writeGreeting(w, m.version);
    return finish(w);
}

QByteArray FrameCodec::encode(const CallMessage &m)
{
    WireWriter w = start(Kind::Call);
    w.u32(m.id);
    w.string(m.method);
    writeValues(w, m.params);
    return finish(w);
}

QByteArray FrameCodec::encode(const ReplyMessage &m)
{
    WireWriter w = start(Kind::Reply);
    w.u32(m.id);
    writeValues(w, m.outs);
    w.value(m.result);
    return finish(w);
}

QByteArray FrameCodec::encode(const FailureMessage &m)
{
    WireWriter w = start(Kind::Failure);
    w.u32(m.id);
    w.string(m.message);
    return finish(w);
}

Message FrameCodec::decode(const QByteArray &body)
{
    WireReader r(body);
    const quint8 kind = r.u8();
    Message result;
    switch (Kind(kind)) {
    case Kind::Hello: result = HelloMessage{readGreeting(r)}; break;
    case Kind::Welcome: result = WelcomeMessage{readGreeting(r)}; break;
    case Kind::Call: {
        CallMessage m;
        m.id = r.u32();
        m.method = r.string();
        m.params = readValues(r);
        result = std::move(m);
        break;
    }
    case Kind::Reply: {
        ReplyMessage m;
        m.id = r.u32();
        m.outs = readValues(r);
        m.result = r.value();
        result = std::move(m);
        break;
    }
    case Kind::Failure: {
        FailureMessage m;
        m.id = r.u32();
        m.message = r.string();
        result = std::move(m);
        break;
    }
    default: throw ProtocolError(QStringLiteral("Bilinmeyen ileti türü: %1").arg(kind).toStdString());
    }
    r.expectEnd();
    return result;
}

} // namespace vorpa
