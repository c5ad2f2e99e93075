// Every screen under random input: each button pressed many times with random field texts never
// crashes, never shows an infinite or not-a-number result, reports each fault as a fault event
// that ends the press, and leaves the session able to compute.
#include "app/Session.h"
#include "home/SearchTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <exception>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fincalc {
namespace {

constexpr std::uint32_t kSeed = 20240607;
// Presses per screen, spread over its controls; every control gets at least kMinRounds presses.
constexpr std::size_t kPressesPerScreen = 600;
constexpr std::size_t kMinRounds = 10;

constexpr int kHome = 1;

struct Recorder : Observer {
    std::vector<Event> events;
    void onEvent(const Event& event) override { events.push_back(event); }
};

// Texts a user might type that are not plain numbers. None holds the letters "inf" or "nan", nor
// does any text of the program, so those letters in an event can only come from a number shown as
// infinite or not-a-number.
const std::vector<std::string>& oddTexts() {
    static const std::vector<std::string> texts = {
        "", " ", "abc", "12abc", "-", "+", "+-3", "--5", ".", "e5", "1e", "1e+", "1E-", " 7", "\t-2.5", "-0",
        "+12", "-3.5", "0", "0.000",
        // the edges of the double range, beyond them, and below the smallest normal number
        "1e308", "-1e308", "1.7976931348623157e308", "1e309", "-1e999", "1e-320", "-4.9e-324", "1e-400",
        // full-width forms, digit groups and percent signs
        "１２３", "－５", "０。５", "１ｅ３", "。5", "1,000", "1,000,000.5", "1,00", "12,34", "8%", "-50%",
        "１００％", "%",
        // very long digit strings
        std::string(400, '9'), "0." + std::string(400, '0') + "1", "1" + std::string(310, '0'),
        std::string(40, '1') + "." + std::string(40, '2')};
    return texts;
}

class TextSource {
public:
    explicit TextSource(std::uint32_t seed) : rng_(seed) {}

    std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    bool chance(int oneIn) { return below(oneIn) == 0; }

    // A number as a user would type it: small counts, rates, amounts, or any magnitude.
    std::string plausible() {
        switch (below(4)) {
        case 0:
            return std::to_string(below(11));
        case 1:
            return FormatNumber(std::uniform_real_distribution<double>(0, 0.3)(rng_));
        case 2:
            return FormatNumber(std::uniform_real_distribution<double>(-1e4, 1e5)(rng_));
        default:
            return "1e" + std::to_string(static_cast<int>(below(617)) - 308);
        }
    }

    std::string any() { return chance(2) ? plausible() : oddTexts()[below(oddTexts().size())]; }

    std::string keyword() {
        const auto table = searchTable();
        return std::string(table[below(table.size())].keyword);
    }

private:
    std::mt19937 rng_;
};

// A non-finite number as the number formatting would spell it ("inf", "-nan"): the letters
// standing alone, not inside a Latin word of a formula text.
bool showsNonFinite(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto isLetter = [&](std::size_t i) {
        return i < lower.size() && std::isalpha(static_cast<unsigned char>(lower[i]));
    };
    for (const std::string_view word : {"inf", "nan"})
        for (auto pos = lower.find(word); pos != std::string::npos; pos = lower.find(word, pos + 1))
            if ((pos == 0 || !isLetter(pos - 1)) && !isLetter(pos + word.size()))
                return true;
    return false;
}

// The controls a user can click on a screen: every button, and labels and fields with an action.
// The home screen's "退出" is left out: it ends the program.
std::vector<std::string> clickable(const ScreenDesign& design) {
    std::vector<std::string> names;
    for (const Control& c : design.controls())
        if ((c.kind == ControlKind::Button || c.onClick) && !c.name.empty() &&
            !(design.number() == kHome && c.name == "Command2"))
            names.push_back(c.name);
    return names;
}

std::string describe(const std::map<std::string, std::string, std::less<>>& texts) {
    std::string out;
    for (const auto& [field, text] : texts)
        out += " " + field + "=\"" + (text.size() > 40 ? text.substr(0, 40) + "..." : text) + "\"";
    return out;
}

// Presses every control of every screen with random texts in its fields, checking each press.
class Prober {
public:
    Prober() { session_.addObserver(&recorder_); }
    ~Prober() { session_.removeObserver(&recorder_); }

    Session& session() { return session_; }
    Recorder& recorder() { return recorder_; }

    void probe(int number) {
        session_.open(number);
        const std::vector<std::string> controls = clickable(session_.screen(number)->design);
        const std::size_t rounds =
            std::max(kMinRounds, kPressesPerScreen / std::max<std::size_t>(controls.size(), 1));
        for (std::size_t round = 0; round < rounds && !session_.ended(); ++round) {
            const bool plausibleOnly = source_.chance(3); // lets guards pass and formulas run through
            for (std::size_t k = 0; k < controls.size() && !session_.ended(); ++k)
                press(number, controls[k], plausibleOnly);
            if (number == kHome)
                pickMenus();
        }
    }

    // Every distinct failure once, with the texts that led to it.
    const std::map<std::string, std::string>& failures() const { return failures_; }
    int presses() const { return presses_; }
    int faults() const { return faults_; }

private:
    void press(int number, const std::string& control, bool plausibleOnly) {
        if (!session_.visible(number))
            session_.open(number);
        for (const Control* field : session_.screen(number)->design.fields()) {
            std::string text = plausibleOnly ? source_.plausible() : source_.any();
            if (number == kHome && source_.chance(2))
                text = source_.keyword();
            session_.type(number, field->name, std::move(text));
        }
        const auto before = session_.screen(number)->texts;
        const std::string where = "Form" + std::to_string(number) + "." + control;
        recorder_.events.clear();
        ++presses_;
        try {
            session_.click(number, control);
        } catch (const std::exception& e) {
            fail(where, "threw", e.what(), before);
            return;
        }
        if (session_.ended())
            fail(where, "ended the program", {}, before);
        check(number, where, before);
    }

    void check(int number, const std::string& where,
               const std::map<std::string, std::string, std::less<>>& before) {
        const auto& events = recorder_.events;
        std::map<std::string, std::string, std::less<>> written;
        for (std::size_t k = 0; k < events.size(); ++k) {
            const Event& e = events[k];
            if (showsNonFinite(e.text))
                fail(where, "showed a non-finite number", e.text, before);
            if (e.kind == Event::Kind::Fault) {
                ++faults_;
                if (k + 1 != events.size() || e.screen != number)
                    fail(where, "went on after a fault", {}, before);
            }
            if (e.kind == Event::Kind::Write && e.screen == number)
                written[e.control] = e.text;
        }
        for (const auto& [field, text] : session_.screen(number)->texts) {
            const auto w = written.find(field);
            const std::string& expected = w == written.end() ? before.find(field)->second : w->second;
            if (text != expected)
                fail(where, "changed a field without a write event", field, before);
        }
    }

    void pickMenus() {
        for (const MenuItem& item : session_.screen(kHome)->design.menu())
            if (item.name != "名词") {
                session_.open(kHome);
                session_.pickMenu(item.name);
            }
    }

    // Keeps the first case of each kind of failure of each control, with what the fields held.
    void fail(const std::string& where, const std::string& what, const std::string& detail,
              const std::map<std::string, std::string, std::less<>>& texts) {
        failures_.try_emplace(where + " " + what,
                              (detail.empty() ? "" : detail + ", ") + "after typing" + describe(texts));
    }

    Session session_;
    Recorder recorder_;
    TextSource source_{kSeed};
    std::map<std::string, std::string> failures_;
    int presses_ = 0;
    int faults_ = 0;
};

bool shows(const std::vector<Event>& events, int screen) {
    return std::any_of(events.begin(), events.end(),
                       [&](const Event& e) { return e.kind == Event::Kind::Show && e.screen == screen; });
}

std::string lastPrint(const std::vector<Event>& events) {
    std::string line = "<none>";
    for (const Event& e : events)
        if (e.kind == Event::Kind::Print)
            line = e.text;
    return line;
}

TEST(PropertyTest, EveryScreenSurvivesRandomPressesAndTheSessionStillComputes) {
    Prober prober;
    Session& session = prober.session();
    session.start();
    int covered = 0;
    for (int number = 1; number <= kScreenCount && !session.ended(); ++number)
        if (isDeclared(number)) {
            prober.probe(number);
            ++covered;
        }
    std::cout << "[ property ] " << covered << " screens covered, " << prober.presses() << " presses, "
              << prober.faults() << " faults\n";
    RecordProperty("screens", covered);
    for (const auto& [key, detail] : prober.failures())
        ADD_FAILURE() << key << ": " << detail;
    ASSERT_FALSE(session.ended());

    // The home screen's menu and search still work, and a calculator still computes exactly.
    auto& events = prober.recorder().events;
    session.open(kHome);
    events.clear();
    ASSERT_TRUE(session.pickMenu("利率"));
    EXPECT_TRUE(shows(events, 32));
    if (!isDeclared(2))
        return;
    session.type(kHome, "Text1", "复利计算");
    events.clear();
    session.click(kHome, "Command1");
    EXPECT_TRUE(shows(events, 2));
    EXPECT_FALSE(session.visible(kHome));
    for (const auto& [field, text] : {std::pair{"Text1", "0.1"}, {"Text3", "1000"}, {"Text4", "2"}})
        session.type(2, field, text);
    events.clear();
    session.click(2, "Command1");
    EXPECT_EQ(lastPrint(events), "P=F(P/F,i,n)=F*(1+i)^(-n)=826.446280991736");
}

} // namespace
} // namespace fincalc
