#include "kelvane/marking.h"

#include "kelvane/digits.h"
#include "kelvane/series.h"
#include "kelvane/written.h"

#include "ascii.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace kelvane {

namespace {

struct Letter {
    char letter;
    int exponent; // the power of ten it stands for
};

// The decimal point's letters with their unit; the first of each kind is
// the one written.
constexpr Letter resistorPoints[] = {{'R', 0}, {'K', 3}, {'M', 6}};
constexpr Letter capacitorPoints[] = {{'P', 0}, {'N', 3}, {'U', 6}};
constexpr const char* writtenCapacitorPoints[] = {"p", "n", "\u00B5"};

// EIA-96 multipliers; where two letters mean the same, the first is written.
constexpr Letter eiaMultipliers[] = {{'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0}, {'B', 1},
    {'H', 1}, {'C', 2}, {'D', 3}, {'E', 4}, {'F', 5}};

// Not of this form, a value, or the form's reason for none.
using Outcome = std::variant<std::monostate, Reading, MarkingError>;

// n × 10^exponent in thousandths, when that is whole.
std::optional<Milli> scaled(Milli n, int exponent) { return timesPowerOfTen(n, exponent + milliDecimals); }

Milli number(std::string_view digits)
{
    Milli n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

template <std::size_t N> const Letter* find(const Letter (&letters)[N], char c)
{
    const auto* it
        = std::find_if(std::begin(letters), std::end(letters), [c](const Letter& l) { return l.letter == c; });
    return it == std::end(letters) ? nullptr : it;
}

Outcome valued(std::optional<Milli> value, Code code, bool resistor)
{
    if (!value || *value < smallestMarked(resistor) || *value >= markedLimit)
        return MarkingError::OutOfRange;
    return Reading{*value, code, nullptr, std::nullopt};
}

Outcome digitCode(std::string_view s, bool resistor)
{
    const int last = s.back() - '0';
    if (s.size() <= 2 && !resistor)
        return valued(scaled(number(s), 0), Code::Picofarads, resistor);
    if (s.size() == 3) {
        // A capacitor's 8 and 9 are the small multipliers ×0.01 and ×0.1.
        const int exponent = resistor || last < 8 ? last : last - 10;
        return valued(scaled(number(s.substr(0, 2)), exponent), Code::ThreeDigit, resistor);
    }
    if (s.size() == 4 && resistor)
        return valued(scaled(number(s.substr(0, 3)), last), Code::FourDigit, resistor);
    return std::monostate{};
}

Outcome letterCode(std::string_view s, bool resistor)
{
    const auto point = std::find_if(s.begin(), s.end(), [](char c) { return !isDigit(c); });
    const Letter* letter = resistor ? find(resistorPoints, *point) : find(capacitorPoints, *point);
    const std::string digits = std::string(s.begin(), point) + std::string(point + 1, s.end());
    if (!letter || digits.empty() || digits.size() > 4 || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::monostate{};
    const auto decimals = static_cast<int>(s.end() - point - 1);
    return valued(scaled(number(digits), letter->exponent - decimals), Code::Letter, resistor);
}

Outcome eia96Code(std::string_view s)
{
    const Letter* multiplier = s.size() == 3 ? find(eiaMultipliers, s[2]) : nullptr;
    if (!multiplier || !isDigit(s[0]) || !isDigit(s[1]))
        return std::monostate{};
    const Milli n = number(s.substr(0, 2));
    if (n < 1 || n > static_cast<Milli>(std::size(e96)))
        return MarkingError::NoSuchEia96Number;
    return valued(scaled(e96[n - 1], multiplier->exponent), Code::Eia96, true);
}

// Each code the text can be, with the tolerance its letter gave.
void readCodes(std::string_view s, bool resistor, const ToleranceLetter* tolerance, std::vector<Outcome>& outcomes)
{
    const std::size_t first = outcomes.size();
    if (std::all_of(s.begin(), s.end(), isDigit)) {
        outcomes.push_back(digitCode(s, resistor));
    } else {
        outcomes.push_back(letterCode(s, resistor));
        if (resistor)
            outcomes.push_back(eia96Code(s));
    }
    for (std::size_t i = first; i < outcomes.size(); ++i)
        if (auto* r = std::get_if<Reading>(&outcomes[i]))
            r->tolerance = tolerance;
}

// Trimmed of spaces, ASCII letters in upper case, and the micro sign and
// the Greek mu a keyboard gives for it as U.
std::string normalised(std::string_view text)
{
    text = trimmed(text);
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (text.substr(i, 2) == "\u00B5" || text.substr(i, 2) == "\u03BC") {
            s += 'U';
            ++i;
        } else {
            s += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return s;
}

const ToleranceLetter* toleranceLetter(char c, bool resistor)
{
    const auto of = [c](const auto& letters) {
        const auto* it
            = std::find_if(letters.begin(), letters.end(), [c](const ToleranceLetter& t) { return t.letter == c; });
        return it == letters.end() ? nullptr : &*it;
    };
    return resistor ? of(resistorToleranceLetters) : of(toleranceLetters);
}

} // namespace

std::variant<std::vector<Reading>, MarkingError> readMarking(std::string_view text, bool resistor)
{
    const std::string s = normalised(text);
    if (s.empty())
        return MarkingError::Empty;
    if (resistor && (s == "0" || s == "00" || s == "000" || s == "0R"))
        return std::vector<Reading>{{0, Code::ZeroLink, nullptr, std::nullopt}};

    // A capacitor's letters for a tolerance are none of its codes' own; a
    // resistor's K, M and B to F are, so there the text is read both ways.
    std::vector<Outcome> outcomes;
    const ToleranceLetter* tolerance = s.size() > 1 ? toleranceLetter(s.back(), resistor) : nullptr;
    if (resistor || !tolerance)
        readCodes(s, resistor, nullptr, outcomes);
    if (tolerance)
        readCodes(std::string_view(s).substr(0, s.size() - 1), resistor, tolerance, outcomes);

    std::vector<Reading> readings;
    std::optional<MarkingError> error;
    for (const Outcome& o : outcomes) {
        if (const auto* r = std::get_if<Reading>(&o)) {
            const auto same = std::find_if(readings.begin(), readings.end(),
                [r](const Reading& x) { return x.value == r->value && x.tolerance == r->tolerance; });
            if (same == readings.end())
                readings.push_back(*r);
            else if (!same->alsoAs)
                same->alsoAs = r->code;
        } else if (const auto* e = std::get_if<MarkingError>(&o); e && !error) {
            error = *e;
        }
    }
    if (!readings.empty())
        return readings;
    return error.value_or(MarkingError::NotAMarking);
}

Range rangeOf(Milli value, const Tolerance& t)
{
    constexpr Fine perMilli = 100'000; // thousandths of a per cent in a whole, and Fine in a thousandth
    if (t.absolute)
        return {std::max<Fine>(0, (value - t.below) * perMilli), (value + t.above) * perMilli};
    return {std::max<Fine>(0, value * (perMilli - t.below)), value * (perMilli + t.above)};
}

std::optional<Milli> reversedValue(const BandState& s)
{
    // The bands on the part from the other end; without a tolerance band
    // the last of them, band 1, is the multiplier.
    const bool tolerance = isSet(s.colour(5));
    std::vector<Colour> bands;
    if (tolerance)
        bands.push_back(s.colour(5));
    for (int band = s.bandcount - 1; band >= (tolerance ? 2 : 1); --band)
        bands.push_back(s.colour(band));
    std::vector<Hue> hues;
    for (Colour c : bands)
        if (const auto hue = hueOf(c))
            hues.push_back(*hue);
    if (hues.size() != bands.size() || hues.front() == Hue::Black)
        return std::nullopt;
    Milli significant = 0;
    for (std::size_t i = 0; i + 1 < hues.size(); ++i) {
        if (hues[i] > Hue::White)
            return std::nullopt;
        significant = significant * 10 + static_cast<Milli>(hues[i]);
    }
    const auto value = scaled(significant, exponentOf(hues.back()));
    if (!value || *value >= markedLimit)
        return std::nullopt;
    return value;
}

Markings markingsOf(Milli value, bool resistor)
{
    Markings m;
    if (value <= 0)
        return m;
    // value = digits × 10^exponent, digits without trailing zeros.
    const Significant significant = significantOf(value);
    const Milli digits = significant.digits;
    const int exponent = significant.exponent - milliDecimals;
    const int count = digitCount(digits);
    // The digits widened to n places, as the code's text, and the exponent left.
    auto mantissa = [&](int n, int& e) {
        e = exponent - (n - count);
        return count > n ? std::string() : std::to_string(digits) + std::string(std::size_t(n - count), '0');
    };

    int e = 0;
    if (const std::string two = mantissa(2, e); !two.empty() && e >= (resistor ? 0 : -2) && e <= 9)
        m.threeDigit = two + static_cast<char>('0' + (e < 0 ? e + 10 : e));
    if (const std::string three = mantissa(3, e); resistor && !three.empty()) {
        if (e >= 0 && e <= 9)
            m.fourDigit = three + static_cast<char>('0' + e);
        const auto* at = std::find(std::begin(e96), std::end(e96), std::stoi(three));
        const auto* letter = std::find_if(
            std::begin(eiaMultipliers), std::end(eiaMultipliers), [e](const Letter& l) { return l.exponent == e; });
        if (at != std::end(e96) && letter != std::end(eiaMultipliers)) {
            const auto n = at - std::begin(e96) + 1;
            m.eia96 = std::string(n < 10 ? "0" : "") + std::to_string(n) + letter->letter;
        }
    }

    if (!resistor && value % 1000 == 0 && value < 100'000)
        m.picofarads = std::to_string(value / 1000);

    // The letter takes the place of the decimal comma of the written value.
    const Scaled s = scale(value);
    const std::string whole = s.whole == "0" ? std::string() : s.whole;
    // Two digits at least: "1K0", "R10".
    const std::string decimals = whole.size() + s.decimals.size() < 2 ? s.decimals + "0" : s.decimals;
    if (whole.size() + decimals.size() <= 4) {
        const std::string point
            = resistor ? std::string(1, resistorPoints[s.prefix].letter) : writtenCapacitorPoints[s.prefix];
        m.letter = whole + point + decimals;
    }
    return m;
}

std::vector<std::string> listedCodes(const Markings& m)
{
    std::vector<std::string> codes;
    for (const std::string* code : {&m.threeDigit, &m.fourDigit, &m.letter, &m.eia96, &m.picofarads})
        if (!code->empty())
            codes.push_back(*code);
    return codes;
}

} // namespace kelvane
