#include "character/NumberText.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace veldora {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

QStringView trimmedView(const QString &text) {
    QStringView v(text);
    while (!v.isEmpty() && v.front().isSpace()) v = v.mid(1);
    while (!v.isEmpty() && v.back().isSpace()) v.chop(1);
    return v;
}

// Optional sign and decimal digits, within [min, max]. Works on a view: cells are
// read many times per click, and copying each would dominate the time.
std::optional<qint64> parseWhole(const QString &raw, qint64 min, qint64 max) {
    const QStringView t = trimmedView(raw);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    if (i == t.size()) return std::nullopt;
    // Accumulate as a negative number so that the minimum of the range fits.
    qint64 acc = 0;
    for (; i < t.size(); ++i) {
        if (!isDigit(t[i])) return std::nullopt;
        const int d = t[i].unicode() - '0';
        if (acc < (std::numeric_limits<qint64>::min() + d) / 10) return std::nullopt;
        acc = acc * 10 - d;
    }
    if (!negative) {
        if (acc == std::numeric_limits<qint64>::min()) return std::nullopt;
        acc = -acc;
    }
    if (acc < min || acc > max) return std::nullopt;
    return acc;
}

}  // namespace

std::optional<qint32> parseInt32(const QString &text) {
    const auto v = parseWhole(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    if (!v) return std::nullopt;
    return static_cast<qint32>(*v);
}

std::optional<qint64> parseInt64(const QString &text) {
    return parseWhole(text, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
}

std::optional<double> parseDecimal(const QString &raw) {
    const QStringView t = trimmedView(raw);
    QVarLengthArray<char, 32> ascii;
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < t.size() ? t[k] : QChar(); };
    if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-')) ascii.append(char(t[i++].unicode()));
    int mantissaDigits = 0;
    while (isDigit(at(i))) { ascii.append(char(t[i++].unicode())); ++mantissaDigits; }
    if (at(i) == QLatin1Char(',') || at(i) == QLatin1Char('.')) {
        ascii.append('.');
        ++i;
        while (isDigit(at(i))) { ascii.append(char(t[i++].unicode())); ++mantissaDigits; }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (at(i) == QLatin1Char('e') || at(i) == QLatin1Char('E')) {
        ascii.append('e');
        ++i;
        if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-')) ascii.append(char(t[i++].unicode()));
        int expDigits = 0;
        while (isDigit(at(i))) { ascii.append(char(t[i++].unicode())); ++expDigits; }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    ascii.append('\0');
    const double v = std::strtod(ascii.constData(), nullptr);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

QString formatDecimal(double value, const QString &separator) {
    constexpr int kDigits = 15;
    if (!std::isfinite(value)) return QStringLiteral("0");
    if (value == 0) return QStringLiteral("0");
    char buf[40];
    // d.dddddddddddddde±x, rounded to 15 significant digits by the C library.
    std::snprintf(buf, sizeof buf, "%.*e", kDigits - 1, value);
    const char *p = buf;
    QString sign;
    if (*p == '-') { sign = QStringLiteral("-"); ++p; }
    QString digits;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits.append(QLatin1Char(*p));
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) digits.chop(1);

    QString out = sign;
    if (exponent >= -5 && exponent < kDigits) {
        if (exponent >= 0) {
            const int whole = exponent + 1;
            out += digits.left(whole);
            if (digits.size() < whole) out += QString(whole - digits.size(), QLatin1Char('0'));
            if (digits.size() > whole) out += separator + digits.mid(whole);
        } else {
            out += QStringLiteral("0") + separator + QString(-exponent - 1, QLatin1Char('0')) + digits;
        }
    } else {
        out += digits.left(1);
        if (digits.size() > 1) out += separator + digits.mid(1);
        out += QStringLiteral("E") + QString::number(exponent);
    }
    return out;
}

namespace {

// A sum or difference cannot be more precise than its operands: 12,6 − 12,5 is
// 0,1, not the 0,0999999999999996 that binary arithmetic leaves. Rounds to the 15
// significant digits of the larger operand.
double roundToOperands(double result, double a, double b) {
    const double larger = std::max(std::fabs(a), std::fabs(b));
    if (larger > 0 && result != 0) {
        const int decimals = 14 - static_cast<int>(std::floor(std::log10(larger)));
        const double scale = std::pow(10.0, decimals);
        // Beyond 2^53 the scaled result is already whole: nothing finer to drop.
        if (decimals > 0 && std::fabs(result * scale) < 9007199254740992.0)
            result = std::round(result * scale) / scale;
    }
    return result;
}

}  // namespace

QString addDecimal(const QString &text, double amount, const QString &separator) {
    const double base = parseDecimal(text).value_or(0.0);
    return formatDecimal(roundToOperands(base + amount, base, amount), separator);
}

double decimalDifference(const QString &from, const QString &to) {
    const double a = parseDecimal(from).value_or(0.0);
    const double b = parseDecimal(to).value_or(0.0);
    return roundToOperands(b - a, a, b);
}

QString notAnIntegerMessage(const QString &text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

}  // namespace veldora
