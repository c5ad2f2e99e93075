// Handler timings through the core session, with an observer receiving every event as a front end
// would: the home screen's search (a hit that prints a formula, and a miss that tries every row),
// a calculator press, the longest loan schedule, and the analysis of every worksheet that has one.
// Goals: a search within 20 µs, a calculator press within 10 µs, a 1200-period schedule within 50 ms.
#include "app/Session.h"
#include "home/SearchTable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fincalc;

constexpr int kHome = 1;

struct EventCounter : Observer {
    std::size_t events = 0;
    void onEvent(const Event&) override { ++events; }
};

// A started session showing one screen whose fields hold the given texts.
class Bench {
public:
    Bench(int screen, const std::vector<std::pair<std::string, std::string>>& texts) : screen_(screen) {
        session_.addObserver(&counter_);
        session_.start();
        session_.open(screen);
        for (const auto& [field, text] : texts)
            session_.type(screen, field, text);
    }
    ~Bench() { session_.removeObserver(&counter_); }

    // Presses the control once per iteration. The printed lines pile up in the output area, so it
    // is emptied now and then, outside the timing.
    void run(benchmark::State& state, const std::string& control) {
        counter_.events = 0;
        std::size_t presses = 0;
        for (auto _ : state) {
            session_.click(screen_, control);
            if (++presses % 4096 == 0) {
                state.PauseTiming();
                session_.catalogue().get(screen_)->lines.clear();
                state.ResumeTiming();
            }
        }
        state.counters["events/press"] =
            benchmark::Counter(static_cast<double>(counter_.events), benchmark::Counter::kAvgIterations);
        if (session_.ended() || !session_.visible(screen_))
            state.SkipWithError("the press left the screen");
    }

private:
    Session session_;
    EventCounter counter_;
    int screen_;
};

bool isFormulaKeyword(std::string_view keyword) {
    const auto table = searchTable();
    return std::any_of(table.begin(), table.end(), [&](const SearchEntry& row) {
        return row.keyword == keyword && row.kind == SearchKind::PrintFormula;
    });
}

void searchHit(benchmark::State& state) {
    const std::string keyword = "营业周期";
    if (!isFormulaKeyword(keyword)) {
        state.SkipWithError("the search table has no formula row for the keyword yet");
        return;
    }
    Bench(kHome, {{"Text1", keyword}}).run(state, "Command1");
}
BENCHMARK(searchHit);

void searchMiss(benchmark::State& state) { Bench(kHome, {{"Text1", "没有这个词"}}).run(state, "Command1"); }
BENCHMARK(searchMiss);

void compoundInterestPress(benchmark::State& state) {
    if (!isDeclared(2)) {
        state.SkipWithError("Form2 is not declared yet");
        return;
    }
    Bench(2, {{"Text1", "0.1"}, {"Text3", "1000"}, {"Text4", "2"}}).run(state, "Command1");
}
BENCHMARK(compoundInterestPress);

// The longest loan schedule the tools print: 100 years of monthly payments, 1204 lines a press.
// Goal: within 50 ms.
void loanSchedule1200(benchmark::State& state) {
    Bench(165, {{"Text1", "1000000"}, {"Text2", "0.05"}, {"Text3", "100"}, {"Text4", "12"}})
        .run(state, "Command1");
}
BENCHMARK(loanSchedule1200)->Unit(benchmark::kMillisecond);

// Every declared screen with a "分析" button, its empty boxes filled with distinct amounts (names
// and headings kept), so every ratio's guard passes.
void registerAnalyses() {
    for (int number = 1; number <= kScreenCount; ++number) {
        const auto design = isDeclared(number) ? declareScreen(number) : std::nullopt;
        if (!design)
            continue;
        const auto& controls = design->controls();
        const auto analyse = std::find_if(controls.begin(), controls.end(), [](const Control& c) {
            return c.kind == ControlKind::Button && c.text == "分析";
        });
        if (analyse == controls.end())
            continue;
        std::vector<std::pair<std::string, std::string>> texts;
        for (const Control* field : design->fields())
            if (field->text.empty())
                texts.emplace_back(field->name, std::to_string(100 + 7 * texts.size()));
        const std::string name = "analysis/Form" + std::to_string(number) + "/" +
                                 std::to_string(design->fields().size()) + "_boxes";
        benchmark::RegisterBenchmark(name.c_str(),
                                     [number, texts, control = analyse->name](benchmark::State& state) {
                                         Bench(number, texts).run(state, control);
                                     });
    }
}

} // namespace

int main(int argc, char** argv) {
    registerAnalyses();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
