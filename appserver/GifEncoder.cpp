#include "GifEncoder.h"

#include <QHash>

namespace vorpa {

namespace {

// Palette: a 6x6x6 colour cube (216 entries) followed by 40 greys.
QRgb paletteColour(int index)
{
    if (index < 216)
        return qRgb((index / 36) * 51, ((index / 6) % 6) * 51, (index % 6) * 51);
    const int grey = (index - 216) * 255 / 39;
    return qRgb(grey, grey, grey);
}

quint8 paletteIndex(QRgb c)
{
    // The nearest of two candidates: the closest cube colour and the closest grey.
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    const int cube = ((r * 5 + 127) / 255) * 36 + ((g * 5 + 127) / 255) * 6 + (b * 5 + 127) / 255;
    const int grey = 216 + ((r + g + b) / 3 * 39 + 127) / 255;
    auto distance = [&](int index) {
        const QRgb p = paletteColour(index);
        return (qRed(p) - r) * (qRed(p) - r) + (qGreen(p) - g) * (qGreen(p) - g) + (qBlue(p) - b) * (qBlue(p) - b);
    };
    return quint8(distance(grey) < distance(cube) ? grey : cube);
}

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

/// Packs variable-width codes least significant bit first, as GIF wants.
class BitWriter {
public:
    void put(int code, int width)
    {
        m_buffer |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_out.append(char(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_out.append(char(m_buffer & 0xFF));
        return m_out;
    }

private:
    QByteArray m_out;
    quint32 m_buffer = 0;
    int m_bits = 0;
};

} // namespace

QByteArray GifEncoder::compress(const QByteArray &indices)
{
    constexpr int minCodeSize = 8;
    constexpr int clearCode = 1 << minCodeSize;
    constexpr int endCode = clearCode + 1;

    BitWriter bits;
    QHash<quint32, int> table;
    int width = minCodeSize + 1;
    int next = endCode + 1;
    bits.put(clearCode, width);

    int prefix = -1;
    for (const char ch : indices) {
        const int k = quint8(ch);
        if (prefix < 0) {
            prefix = k;
            continue;
        }
        const quint32 key = (quint32(prefix) << 8) | quint32(k);
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = found.value();
            continue;
        }
        bits.put(prefix, width);
        if (next < 4096) {
            table.insert(key, next);
            // The decoder widens its codes one step later than the encoder adds the entry.
            if (next == (1 << width) && width < 12)
                ++width;
            ++next;
        } else {
            bits.put(clearCode, width);
            table.clear();
            width = minCodeSize + 1;
            next = endCode + 1;
        }
        prefix = k;
    }
    if (prefix >= 0)
        bits.put(prefix, width);
    bits.put(endCode, width);
    return bits.finish();
}

QByteArray GifEncoder::encode(const QList<QImage> &frames, int delayCentiseconds)
{
    QByteArray out;
    if (frames.isEmpty())
        return out;
    const int w = frames.first().width();
    const int h = frames.first().height();

    out.append("GIF89a", 6);
    putWord(out, w);
    putWord(out, h);
    out.append(char(0xF7)); // global colour table of 256 entries, 8 bits per primary
    out.append(char(0));    // background colour index
    out.append(char(0));    // no aspect ratio
    for (int i = 0; i < 256; ++i) {
        const QRgb c = paletteColour(i);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    // Loop for ever.
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    for (const QImage &source : frames) {
        const QImage frame = source.convertToFormat(QImage::Format_RGB32).scaled(w, h);
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x04)); // keep the frame in place, no transparency
        putWord(out, delayCentiseconds);
        out.append(char(0));
        out.append(char(0));

        out.append(char(0x2C));
        putWord(out, 0);
        putWord(out, 0);
        putWord(out, w);
        putWord(out, h);
        out.append(char(0)); // no local table, not interlaced

        QByteArray indices;
        indices.reserve(w * h);
        for (int y = 0; y < h; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < w; ++x)
                indices.append(char(paletteIndex(line[x])));
        }
        out.append(char(8));
        const QByteArray data = compress(indices);
        for (qsizetype pos = 0; pos < data.size(); pos += 255) {
            const qsizetype n = qMin<qsizetype>(255, data.size() - pos);
            out.append(char(n));
            out.append(data.constData() + pos, n);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}

} // namespace vorpa
