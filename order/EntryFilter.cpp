#include "order/EntryFilter.h"

#include "platform/Cp1252.h"

namespace {

bool IsLineBreakOrTab(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\t' || c == 0x0B || c == 0x0C || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString FilterEntryText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    bool pendingBlank = false;
    for (const char32_t c : text.toUcs4()) {
        if (IsLineBreakOrTab(c)) {
            pendingBlank = !kept.isEmpty();
            continue;
        }
        if (IsControl(c) || !platform::IsCp1252Representable(c))
            continue;
        if (pendingBlank && c != U' ' && !kept.endsWith(QLatin1Char(' ')))
            kept.append(QLatin1Char(' '));
        pendingBlank = false;
        kept.append(QString::fromUcs4(&c, 1));
    }
    return kept;
}

QValidator::State EntryFilter::validate(QString& input, int& position) const {
    const QString filtered = FilterEntryText(input);
    if (filtered != input) {
        // Keep the cursor where it was relative to the end, which is where a paste leaves it.
        const int fromEnd = int(input.size()) - position;
        input = filtered;
        position = qBound(0, int(filtered.size()) - fromEnd, int(filtered.size()));
    }
    return Acceptable;
}
