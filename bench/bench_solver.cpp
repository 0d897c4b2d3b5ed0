// What solving as the user types costs: one solve per keystroke while the known values
// of a solving window are typed, character by character, for every variant. Each
// keystroke solves with the values typed so far (too few at first, then enough, and
// the last value growing digit by digit). "Typing" reports the median and the longest
// keystroke over all variants, in CPU time of the thread (the machine may be shared);
// "CompleteSet" one solve of each variant's full set.
#include "Solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct TTyped {
    const char* Id;
    const char* Text;
};

struct TSession {
    const char* Name;
    TVariant Variant;
    std::vector<TTyped> Values;
};

// The values are chosen so that figures fit; some of them twice.
const std::vector<TSession>& Sessions() {
    static const std::vector<TSession> sessions = {
        {"cube", vaCube, {{"volume", "27.5"}}},
        {"block", vaBlock, {{"a", "2"}, {"b", "3.5"}, {"volume", "40.25"}}},
        {"sphere", vaSphere, {{"area", "12.5"}}},
        {"cone", vaCone, {{"volume", "2"}, {"area", "12.5"}}},
        {"cylinder", vaCylinder, {{"volume", "1000"}, {"area", "650"}}},
        {"tetrahedron", vaPyramid_Tetrahedron, {{"volume", "3.25"}}},
        {"pyramid-square", vaPyramid_Square, {{"volume", "4"}, {"area", "17.5"}}},
        {"pyramid-rectangle", vaPyramid_Rectangle, {{"a", "2"}, {"b", "3"}, {"area", "20.5"}}},
        {"pyramid-triangle",
         vaPyramid_EquilateralTriangle,
         {{"volume", "10"}, {"slant-height", "5.5"}}},
        {"pyramid-ngon", vaPyramid_NAngle, {{"n", "6"}, {"volume", "10"}, {"area", "40.5"}}},
        {"prism-triangle",
         vaPrism_Triangle,
         {{"a", "3"}, {"b", "4"}, {"v", "2"}, {"volume", "11"}}},
        {"prism-ngon", vaPrism_NAngle, {{"n", "5"}, {"volume", "10"}, {"area", "35.5"}}},
        {"prism-ring", vaPrism_CircularRing, {{"r1", "2"}, {"v", "3"}, {"area", "70.5"}}},
        {"truncated-cone", vaTruncatedCone, {{"r1", "2"}, {"v", "1"}, {"slant-height", "1.25"}}},
        {"truncated-pyramid-square",
         vaTruncatedPyramid_Square,
         {{"a1", "4"}, {"v", "2"}, {"area", "50.5"}}},
        {"truncated-pyramid-rectangle",
         vaTruncatedPyramid_Rectangle,
         {{"a2", "1"}, {"b2", "2"}, {"v", "2"}, {"area", "30.5"}}},
        {"truncated-pyramid-triangle",
         vaTruncatedPyramid_EquilateralTriangle,
         {{"a2", "1"}, {"a1", "3"}, {"volume", "5.5"}}},
        {"truncated-pyramid-ngon",
         vaTruncatedPyramid_NAngle,
         {{"n", "8"}, {"a2", "1"}, {"v", "2"}, {"area", "60.5"}}},
        {"tank-level", vaCylindricalTank, {{"r", "0.3"}, {"d", "2"}, {"volume", "0.25"}}},
        {"tank-at-filling",
         vaCylindricalTank,
         {{"d", "5"}, {"volume", "3"}, {"percentage-filling-of-tank", "30"}}},
        {"segment", vaSphericalSegment_RadiusOfSegment, {{"volume", "2"}, {"area", "8.5"}}},
        {"segment-sphere",
         vaSphericalSegment_RadiusOfSphere,
         {{"r", "2"}, {"area-of-spherical-cap", "10.5"}}},
        {"sector", vaSphericalSector, {{"volume", "2"}, {"area", "9.5"}}},
        {"spherical-frustum",
         vaSphericalFrustum,
         {{"rho2", "1"}, {"rho1", "1.5"}, {"volume", "4.25"}}},
    };
    return sessions;
}

// Every keystroke of a session: the known values after it.
std::vector<TSolveRequest> Keystrokes(const TSession& ASession) {
    std::vector<TSolveRequest> keystrokes;
    std::vector<TKnownValue> complete;
    for (const TTyped& typed : ASession.Values) {
        const std::string text = typed.Text;
        for (std::size_t length = 1; length <= text.size(); ++length) {
            TSolveRequest request;
            request.Variant = ASession.Variant;
            request.Known = complete;
            request.Known.push_back(
                {typed.Id, std::strtold(text.substr(0, length).c_str(), nullptr)});
            keystrokes.push_back(request);
        }
        complete.push_back({typed.Id, std::strtold(typed.Text, nullptr)});
    }
    return keystrokes;
}

double ThreadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

void Typing(benchmark::State& AState) {
    std::vector<TSolveRequest> keystrokes;
    for (const TSession& session : Sessions())
        for (const TSolveRequest& request : Keystrokes(session))
            keystrokes.push_back(request);
    // The first solve learns what the variants' values depend on, once per run.
    Solve(keystrokes.front());
    std::vector<double> times;
    for (auto _ : AState)
        for (const TSolveRequest& request : keystrokes) {
            const double start = ThreadMicroseconds();
            benchmark::DoNotOptimize(Solve(request));
            times.push_back(ThreadMicroseconds() - start);
        }
    std::sort(times.begin(), times.end());
    AState.counters["keystrokes"] = double(keystrokes.size());
    AState.counters["median_us"] = times[times.size() / 2];
    AState.counters["p90_us"] = times[times.size() * 9 / 10];
    AState.counters["max_us"] = times.back();
}
BENCHMARK(Typing)->Unit(benchmark::kMillisecond);

void CompleteSet(benchmark::State& AState) {
    const TSession& session = Sessions()[std::size_t(AState.range(0))];
    const std::vector<TSolveRequest> keystrokes = Keystrokes(session);
    const TSolveRequest& request = keystrokes.back();
    std::size_t figures = 0;
    for (auto _ : AState) {
        const TSolveResult result = Solve(request);
        figures = result.Solutions.size();
        benchmark::DoNotOptimize(result);
    }
    AState.SetLabel(std::string(session.Name) + ", " + std::to_string(figures) + " figure(s)");
}
BENCHMARK(CompleteSet)->DenseRange(0, 23)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
