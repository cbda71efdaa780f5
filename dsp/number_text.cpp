#include "number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace ampdesk {

namespace {

constexpr int kSignificantDigits = 15;

// |value| = 0.digits x 10^pointPos, i.e. the decimal point sits after
// pointPos digits of `digits` (15 of them).
struct DecimalForm {
    bool negative = false;
    std::string digits;
    int pointPos = 1;
};

DecimalForm decimalForm(double value) {
    DecimalForm d;
    d.negative = std::signbit(value);
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    d.digits.push_back(text[0]);
    d.digits.append(text.substr(2, e - 2));
    int exponent = 0;
    std::string_view exp = text.substr(e + 1);
    if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
    d.pointPos = exponent + 1;
    return d;
}

bool allZero(std::string_view s) {
    return s.find_first_not_of('0') == std::string_view::npos;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (decimals < 0) decimals = 0;
    const DecimalForm d = decimalForm(value);

    // Digits of round(|value| x 10^decimals).
    const int keep = d.pointPos + decimals;
    std::string n;
    if (keep >= kSignificantDigits) {
        n = d.digits + std::string(static_cast<std::size_t>(keep - kSignificantDigits), '0');
    } else if (keep >= 0) {
        n = d.digits.substr(0, static_cast<std::size_t>(keep));
        if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
            int i = keep - 1;
            for (; i >= 0 && n[static_cast<std::size_t>(i)] == '9'; --i)
                n[static_cast<std::size_t>(i)] = '0';
            if (i >= 0)
                ++n[static_cast<std::size_t>(i)];
            else
                n.insert(n.begin(), '1');
        }
    }
    const std::size_t firstNonZero = n.find_first_not_of('0');
    n = firstNonZero == std::string::npos ? std::string() : n.substr(firstNonZero);
    const bool zero = n.empty();
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (n.size() < width) n.insert(0, width - n.size(), '0');

    std::string out;
    if (d.negative && !zero) out.push_back('-');
    out.append(n, 0, n.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        out.push_back('.');
        out.append(n, n.size() - static_cast<std::size_t>(decimals));
    }
    return out;
}

std::string FormatTableValue(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    DecimalForm d = decimalForm(value);
    if (allZero(d.digits)) return "0";
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    const int len = static_cast<int>(d.digits.size());

    std::string out;
    if (d.negative) out.push_back('-');
    if (d.pointPos <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.pointPos), '0');
        out += d.digits;
    } else if (d.pointPos >= len) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.pointPos - len), '0');
    } else {
        out.append(d.digits, 0, static_cast<std::size_t>(d.pointPos));
        out.push_back('.');
        out.append(d.digits, static_cast<std::size_t>(d.pointPos));
    }
    return out;
}

std::optional<double> ParseUserValue(std::string_view text) {
    std::string_view body = text;
    const bool negative = !body.empty() && body.front() == '-';
    if (negative) body.remove_prefix(1);
    int digits = 0;
    int points = 0;
    for (const char c : body) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1) return std::nullopt;

    double value = 0.0;
    const auto res =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range) {
        // No exponent is allowed, so out of range means many integer digits
        // (overflow) or a long run of zeros after the point (underflow).
        const std::string_view whole = body.substr(0, body.find('.'));
        const bool overflow = !allZero(whole);
        value = overflow ? HUGE_VAL : 0.0;
        return negative ? -value : value;
    }
    if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace ampdesk
