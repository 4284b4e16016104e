// Dispatch cost of the event registries: what every UI event, typed character and view
// message pays before any listener does real work.

#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTUiEventListener.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct CountingUiListener : zt::ZTUiEvent
{
    void _OnReceive(const char* name, const Json::Value&) override
    {
        if (name[0] == 'P')
            ++count;
    }
    long count = 0;
};

struct CountingCmdListener : zt::ZTCmdLineEvent
{
    bool OnCmdLineChar(unsigned int ch, const CString&) override
    {
        count += ch;
        return false;
    }
    long count = 0;
};

void UiEventDispatch(benchmark::State& state)
{
    const auto n = static_cast<size_t>(state.range(0));
    std::vector<CountingUiListener> listeners(n);
    auto& registry = zt::ZTUiEventListener::instance();
    for (auto& l : listeners)
        registry.AddListener(&l);
    const Json::Value payload(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(zt::NotifyListeners("Ping", payload));
    for (auto& l : listeners)
        registry.DropListener(&l);
    registry.NotifyListeners("Sweep", payload);
    // Seconds per listener call, shown with an SI prefix: "3.1n" is 3.1 ns.
    state.counters["per_listener_call"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(UiEventDispatch)->Arg(10)->Arg(1000);

void CommandLineCharacter(benchmark::State& state)
{
    std::vector<CountingCmdListener> listeners(3); // the tracer's and two others
    for (auto& l : listeners)
        zt::ZTCmdLineEventListener::instance().AddListener(&l);
    const CString text(L"WALL");
    for (auto _ : state)
        benchmark::DoNotOptimize(zt::OnCmdlineChar(L'1', text));
    for (auto& l : listeners)
        zt::ZTCmdLineEventListener::instance().DropListener(&l);
}
BENCHMARK(CommandLineCharacter);

} // namespace

BENCHMARK_MAIN();
