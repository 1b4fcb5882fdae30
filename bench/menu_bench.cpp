// Figures for the menu window on the fake backend: the hover handler's time
// and allocations per call, and the time to read the form resource and
// build the window. Run: build/linux/bench/menu_bench

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "AutoMain.h"
#include "fake.h"

namespace {
std::atomic<long> Allocations{0};
}  // namespace

void* operator new(std::size_t Size) {
  ++Allocations;
  if (void* P = std::malloc(Size ? Size : 1)) return P;
  throw std::bad_alloc();
}
void operator delete(void* P) noexcept { std::free(P); }
void operator delete(void* P, std::size_t) noexcept { std::free(P); }

namespace {

void StartMenu() {
  fake::Reset();
  fake::State().ExePath = "/menu";
  fake::State().Invalidated.reserve(1 << 20);
  Application->CreateForm(&AutoForm);
}

void StopMenu() {
  delete AutoForm;
  AutoForm = nullptr;
}

void Point(TPoint Client) {
  fake::State().Cursor = {fake::State().ClientOrigin.x + Client.x, fake::State().ClientOrigin.y + Client.y};
}

// The pointer moving over the background, no picture changing.
void HoverSteady(benchmark::State& State) {
  StartMenu();
  Point({100, 100});
  const long Before = Allocations;
  for (auto _ : State) AutoForm->Image0MouseMove(AutoForm->Image1, {}, 0, 0);
  State.counters["allocs/call"] = benchmark::Counter(static_cast<double>(Allocations - Before) /
                                                     static_cast<double>(State.iterations()));
  StopMenu();
}
BENCHMARK(HoverSteady);

// Every call lights one entry and hides the other.
void HoverToggling(benchmark::State& State) {
  StartMenu();
  const long Before = Allocations;
  bool Upper = false;
  for (auto _ : State) {
    Point({450, (Upper = !Upper) ? 60 : 100});
    AutoForm->Image0MouseMove(AutoForm->Image1, {}, 0, 0);
    if (fake::State().Invalidated.size() > (1 << 19)) fake::State().Invalidated.clear();
  }
  State.counters["allocs/call"] = benchmark::Counter(static_cast<double>(Allocations - Before) /
                                                     static_cast<double>(State.iterations()));
  StopMenu();
}
BENCHMARK(HoverToggling);

// Reading the form resource (eight pictures) and building the window.
void FormLoad(benchmark::State& State) {
  fake::Reset();
  fake::State().ExePath = "/menu";
  for (auto _ : State) {
    Application->CreateForm(&AutoForm);
    StopMenu();
  }
}
BENCHMARK(FormLoad)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  std::printf("peak resident memory: %ld KiB\n", Usage.ru_maxrss);
  return 0;
}
