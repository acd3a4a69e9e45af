#include "NumberFormat.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace vorpa {

namespace {

constexpr int Precision = 15;

/// A finite value as sign, significant digits (no trailing zeros) and decimal exponent:
/// value = 0.d1d2d3... x 10^exponent. Zero has no digits.
struct Decimal {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

Decimal toDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                                   Precision - 1);
    const std::string_view text(buf, size_t(res.ptr - buf));
    const size_t e = text.find('e');
    d.digits.reserve(Precision);
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    int exp = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exp);
    d.exponent = exp + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

/// Rounds to `decimals` places after the decimal point, a half away from zero.
void roundDecimal(Decimal &d, int decimals)
{
    const int keep = d.exponent + decimals;
    if (keep >= int(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[size_t(keep)] >= '5';
    d.digits.resize(size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[size_t(i)] == '9') {
            d.digits[size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

/// One section of a picture format, split into what is emitted in order.
struct Section {
    enum class Kind : quint8 { IntDigit, FracDigit, Point, Literal };
    struct Item {
        Kind kind;
        QString text; // Literal only
    };
    std::vector<Item> items;
    int intPlaceholders = 0;
    int requiredInt = 0;
    int fracPlaceholders = 0;
    int requiredFrac = 0;
    bool grouping = false;
};

struct Format {
    std::vector<Section> sections;
};

Section parseSection(const QString &text)
{
    Section s;
    bool pointSeen = false;
    int firstIntZero = -1;
    QChar quote;
    QString literal;
    auto flushLiteral = [&] {
        if (!literal.isEmpty()) {
            s.items.push_back({Section::Kind::Literal, literal});
            literal.clear();
        }
    };
    for (const QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                literal += c;
            continue;
        }
        switch (c.unicode()) {
        case '\'':
        case '"': quote = c; break;
        case '0':
        case '#':
            flushLiteral();
            if (pointSeen) {
                ++s.fracPlaceholders;
                if (c == u'0')
                    s.requiredFrac = s.fracPlaceholders;
                s.items.push_back({Section::Kind::FracDigit, {}});
            } else {
                if (c == u'0' && firstIntZero < 0)
                    firstIntZero = s.intPlaceholders;
                ++s.intPlaceholders;
                s.items.push_back({Section::Kind::IntDigit, {}});
            }
            break;
        case '.':
            if (!pointSeen) {
                flushLiteral();
                pointSeen = true;
                s.items.push_back({Section::Kind::Point, {}});
            }
            break;
        case ',':
            if (!pointSeen)
                s.grouping = true;
            break;
        default: literal += c;
        }
    }
    flushLiteral();
    s.requiredInt = firstIntZero < 0 ? 0 : s.intPlaceholders - firstIntZero;
    return s;
}

Format parseFormat(const QString &text)
{
    Format f;
    QString current;
    QChar quote;
    for (const QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            f.sections.push_back(parseSection(current));
            current.clear();
            continue;
        }
        current += c;
    }
    f.sections.push_back(parseSection(current));
    if (f.sections.size() > 3)
        f.sections.resize(3);
    return f;
}

/// Display formats repeat cell after cell; parse each one once per thread.
const Format &cachedFormat(const QString &text)
{
    thread_local QString lastText;
    thread_local Format last = parseFormat(QString());
    thread_local bool filled = false;
    if (!filled || text != lastText) {
        last = parseFormat(text);
        lastText = text;
        filled = true;
    }
    return last;
}

QString render(const Section &s, const Decimal &d, bool showSign, const QLocale &locale)
{
    // Integer digits, padded to the required count.
    std::string intDigits;
    if (d.exponent > 0) {
        intDigits.assign(d.digits, 0, std::min(size_t(d.exponent), d.digits.size()));
        intDigits.resize(size_t(d.exponent), '0');
    }
    if (int(intDigits.size()) < s.requiredInt)
        intDigits.insert(0, size_t(s.requiredInt) - intDigits.size(), '0');

    std::string fracDigits;
    for (int k = 0; k < s.fracPlaceholders; ++k) {
        const int i = d.exponent + k;
        fracDigits.push_back(i >= 0 && i < int(d.digits.size()) ? d.digits[size_t(i)] : '0');
    }
    while (int(fracDigits.size()) > s.requiredFrac && fracDigits.back() == '0')
        fracDigits.pop_back();

    const QString group = locale.groupSeparator();
    const int n = int(intDigits.size());
    QString out;
    out.reserve(n + n / 3 + int(fracDigits.size()) + 4);
    if (showSign)
        out += locale.negativeSign();
    auto emitInt = [&](int i) {
        out += QLatin1Char(intDigits[size_t(i)]);
        const int rest = n - 1 - i;
        if (s.grouping && rest > 0 && rest % 3 == 0)
            out += group;
    };
    const int extra = n - s.intPlaceholders;
    int intIndex = 0;
    int fracIndex = 0;
    for (const Section::Item &item : s.items) {
        switch (item.kind) {
        case Section::Kind::IntDigit: {
            if (intIndex == 0)
                for (int i = 0; i < extra; ++i)
                    emitInt(i);
            const int i = extra + intIndex++;
            if (i >= 0)
                emitInt(i);
            break;
        }
        case Section::Kind::Point:
            if (!fracDigits.empty())
                out += locale.decimalPoint();
            break;
        case Section::Kind::FracDigit:
            if (fracIndex < int(fracDigits.size()))
                out += QLatin1Char(fracDigits[size_t(fracIndex)]);
            ++fracIndex;
            break;
        case Section::Kind::Literal: out += item.text; break;
        }
    }
    return out;
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString formatGeneral(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const Decimal d = toDecimal(value);
    if (d.digits.empty())
        return QStringLiteral("0");
    QString out;
    if (d.negative)
        out += locale.negativeSign();
    const int n = int(d.digits.size());
    if (d.exponent > Precision || d.exponent < -4) {
        out += QLatin1Char(d.digits[0]);
        if (n > 1) {
            out += locale.decimalPoint();
            out += QLatin1StringView(d.digits.data() + 1, n - 1);
        }
        out += QLatin1Char('E');
        out += QString::number(d.exponent - 1);
        return out;
    }
    if (d.exponent <= 0) {
        out += QLatin1Char('0');
        out += locale.decimalPoint();
        out += QString(-d.exponent, QLatin1Char('0'));
        out += QLatin1StringView(d.digits.data(), n);
        return out;
    }
    if (n <= d.exponent) {
        out += QLatin1StringView(d.digits.data(), n);
        out += QString(d.exponent - n, QLatin1Char('0'));
        return out;
    }
    out += QLatin1StringView(d.digits.data(), d.exponent);
    out += locale.decimalPoint();
    out += QLatin1StringView(d.digits.data() + d.exponent, n - d.exponent);
    return out;
}

QString formatFloat(double value, const QString &format, const QLocale &locale)
{
    if (format.isEmpty())
        return formatGeneral(value, locale);
    if (!std::isfinite(value))
        return nonFinite(value);
    const Format &f = cachedFormat(format);
    Decimal d = toDecimal(value);

    // The negative section, when given and not empty, shows negatives without a sign.
    const bool useNegative = d.negative && f.sections.size() >= 2 && !f.sections[1].items.empty();
    const Section *section = useNegative ? &f.sections[1] : &f.sections[0];
    roundDecimal(d, section->fracPlaceholders);
    if (d.digits.empty()) {
        // A value that rounds to zero shows no sign, and the zero section when there is one.
        if (f.sections.size() == 3 && !f.sections[2].items.empty())
            return render(f.sections[2], d, false, locale);
        return render(f.sections[0], d, false, locale);
    }
    return render(*section, d, d.negative && !useNegative, locale);
}

double roundTwo(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return value;
    QString text = formatFloat(value, RoundingFormat, locale);
    text.remove(locale.groupSeparator());
    bool ok = false;
    double result = locale.toDouble(text, &ok);
    if (!ok) {
        // Values below 1 come without a leading zero (",50"); give the parser one.
        const QString sign = locale.negativeSign();
        const int at = text.startsWith(sign) ? int(sign.size()) : 0;
        text.insert(at, QLatin1Char('0'));
        result = locale.toDouble(text, &ok);
    }
    return ok ? result : value;
}

} // namespace vorpa
