#include "SolverRoots.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace SolverRoots {

namespace {

using SolverModels::Infinity;

// Eight samples per decade; ten decades beyond the features on either side; no more
// than 4000 samples, however far apart the features.
const Extended Step = std::log(10.0L) / 8;
const Extended Margin = 10 * std::log(10.0L);
constexpr Extended MostSamples = 4000;
// Where the samples towards an end of the interval stand beyond the grid's last: e^700
// (about 1e304) and on, each twice as far, the last at e^5600 (about 1e2432).
constexpr Extended FarEnds[] = {700, 1400, 2800, 5600};
// Differences of values within so many units in the last place are noise.
constexpr Extended Noise = 8 * LDBL_EPSILON;
// A turning point within so many units of the target touches it.
constexpr Extended Touch = 16 * LDBL_EPSILON;

// One piece of the interval, between its ends and the excluded value, laid on the
// whole real line: z runs in log scale towards each end that it approaches.
class TPiece {
public:
    TPiece(Extended ALow, Extended AHigh) : FLow(ALow), FHigh(AHigh) {}

    Extended At(Extended z) const {
        Extended u = 0;
        if (FHigh == Infinity) {
            u = FLow + std::exp(z);
        } else {
            // Half-way is z = 0; each end is approached as e^-|z| of the width.
            const Extended width = FHigh - FLow;
            // The share of the width between u and the nearer end, without cancellation.
            const Extended tail = std::exp(-std::fabs(z));
            const Extended share = tail / (1 + tail);
            u = z <= 0 ? FLow + width * share : FHigh - width * share;
        }
        if (!(u > FLow))
            return std::nextafter(FLow, FHigh);
        if (!(u < FHigh))
            return std::nextafter(FHigh, FLow);
        return u;
    }

    Extended Position(Extended u) const {
        if (FHigh == Infinity)
            return std::log(u - FLow);
        const Extended width = FHigh - FLow;
        return std::log((u - FLow) / width) - std::log((FHigh - u) / width);
    }

    bool Holds(Extended u) const { return u > FLow && u < FHigh; }

    // The grid's reach: ten decades beyond the sizes of the features.
    void Reach(Extended AScaleLow, Extended AScaleHigh, Extended& ALow, Extended& AHigh) const {
        if (FHigh == Infinity) {
            const Extended low = FLow > 0 ? std::min(FLow, AScaleLow) : AScaleLow;
            ALow = std::log(low) - Margin;
            AHigh = std::log(std::max(FLow, AScaleHigh)) + Margin;
            return;
        }
        const Extended width = FHigh - FLow;
        AHigh = Margin + std::max(Extended(0), std::log(width / AScaleLow));
        ALow = -AHigh;
    }

private:
    Extended FLow, FHigh;
};

struct TNode {
    Extended Z, U, V;
    bool Inside = true;   // a point inside the interval, not a far end
    bool Turning = false; // found as a turning point, between the samples at From and To
    Extended From = 0, To = 0;
};

// Where samples fall on one value (next to an end, in the last units of Extended) the
// one that says most is kept: a turning point, else the end of the interval.
int Rank(const TNode& A) {
    return A.Turning ? 2 : A.Inside ? 0 : 1;
}
bool Before(const TNode& A, const TNode& B) {
    return A.U < B.U || (A.U == B.U && Rank(A) > Rank(B));
}

class TFinder {
public:
    TFinder(const TFunction& AFunction, Extended ATarget)
        : FFunction(AFunction), FTarget(ATarget) {}

    void Search(const TPiece& APiece, const TSearch& ASearch);
    TRoots Result() {
        FRange.Complete = FComplete && FRangeSet;
        return {FRoots, FRange};
    }

private:
    TNode Node(const TPiece& APiece, Extended z, bool AInside = true) const {
        const Extended u = APiece.At(z);
        return {z, u, FFunction(u), AInside};
    }
    int Direction(const TNode& A, const TNode& B) const {
        const Extended difference = B.V - A.V;
        if (std::fabs(difference) <= Noise * std::max(std::fabs(A.V), std::fabs(B.V)))
            return 0;
        return difference > 0 ? 1 : -1;
    }
    int Side(const TNode& ANode) const {
        const Extended difference = ANode.V - FTarget;
        return difference > 0 ? 1 : difference < 0 ? -1 : 0;
    }
    bool Touches(const TNode& ANode) const {
        return std::fabs(ANode.V - FTarget) <= Touch * std::fabs(FTarget);
    }
    void Note(const TNode& ANode);
    TNode TurningPoint(const TPiece& APiece, TNode ALow, TNode AHigh, bool AMaximum) const;
    Extended Root(const TPiece& APiece, TNode ALow, TNode AHigh) const;

    const TFunction& FFunction;
    Extended FTarget;
    std::vector<TRoot> FRoots;
    TRange FRange;
    TNode FLow = {}, FHigh = {};
    bool FRangeSet = false;
    bool FComplete = true;
};

// A value that the function also takes at an end of the interval is only approached
// there (the samples next to the end round to it), unless it is a turning point's.
void TFinder::Note(const TNode& ANode) {
    if (!FRangeSet || ANode.V < FLow.V || (ANode.V == FLow.V && Rank(ANode) > Rank(FLow)))
        FLow = ANode;
    if (!FRangeSet || ANode.V > FHigh.V || (ANode.V == FHigh.V && Rank(ANode) > Rank(FHigh)))
        FHigh = ANode;
    FRangeSet = true;
    FRange = {FLow.V, FHigh.V, Rank(FLow) != 1, Rank(FHigh) != 1};
}

// The highest (or lowest) value between two samples, by golden section in z: near a
// turning point the function is flat, so z to twelve digits gives its value to the
// last bit.
TNode TFinder::TurningPoint(const TPiece& APiece, TNode ALow, TNode AHigh, bool AMaximum) const {
    const Extended ratio = (std::sqrt(5.0L) - 1) / 2;
    const auto better = [&](const TNode& A, const TNode& B) {
        return AMaximum ? A.V > B.V : A.V < B.V;
    };
    Extended a = ALow.Z, b = AHigh.Z;
    TNode c = Node(APiece, b - ratio * (b - a)), d = Node(APiece, a + ratio * (b - a));
    for (int i = 0; i < 200 && b - a > 1e-12L * (1 + std::fabs(a) + std::fabs(b)); ++i) {
        if (better(c, d)) {
            b = d.Z;
            d = c;
            c = Node(APiece, b - ratio * (b - a));
        } else {
            a = c.Z;
            c = d;
            d = Node(APiece, a + ratio * (b - a));
        }
    }
    TNode best = better(c, d) ? c : d;
    best.Turning = true;
    best.From = ALow.U;
    best.To = AHigh.U;
    return best;
}

// The root between two samples on opposite sides of the target: halving in z until
// the values are within a factor of two, then secant steps that must stay inside the
// bracket and halve it at least every other step, down to neighbouring values.
Extended TFinder::Root(const TPiece& APiece, TNode ALow, TNode AHigh) const {
    for (int i = 0; i < 200 && AHigh.U > 2 * ALow.U; ++i) {
        const TNode middle = Node(APiece, (ALow.Z + AHigh.Z) / 2);
        if (!std::isfinite(middle.V) || !(middle.U > ALow.U && middle.U < AHigh.U))
            break;
        if (Side(middle) == 0)
            return middle.U;
        (Side(middle) == Side(ALow) ? ALow : AHigh) = middle;
    }
    Extended a = ALow.U, fa = ALow.V - FTarget, b = AHigh.U, fb = AHigh.V - FTarget;
    bool halve = false;
    for (int i = 0; i < 400 && std::nextafter(a, b) != b; ++i) {
        Extended next = a + (b - a) / 2;
        if (!halve) {
            const Extended secant = a - fa * ((b - a) / (fb - fa));
            if (secant > a && secant < b)
                next = secant;
        }
        const Extended width = b - a;
        const Extended f = FFunction(next) - FTarget;
        if (f == 0)
            return next;
        if (!std::isfinite(f))
            break;
        if ((f > 0) == (fa > 0)) {
            a = next;
            fa = f;
        } else {
            b = next;
            fb = f;
        }
        halve = !halve && b - a > width / 2;
    }
    return std::fabs(fa) <= std::fabs(fb) ? a : b;
}

void TFinder::Search(const TPiece& APiece, const TSearch& ASearch) {
    Extended low = 0, high = 0;
    APiece.Reach(ASearch.ScaleLow, ASearch.ScaleHigh, low, high);
    std::vector<TNode> nodes;
    bool ends = true;
    const auto add = [&](const TNode& ANode) {
        if (std::isfinite(ANode.V))
            nodes.push_back(ANode);
        else if (!ANode.Inside)
            ends = false;
    };
    for (const Extended far : FarEnds) {
        // The farthest sample stands for the end of the interval, the others inside it.
        const bool inside = far != FarEnds[std::size(FarEnds) - 1];
        add(Node(APiece, low - far, inside));
        add(Node(APiece, high + far, inside));
    }
    const Extended step = std::max(Step, (high - low) / MostSamples);
    for (Extended z = low; z < high + step / 2; z += step)
        add(Node(APiece, z));
    // Where the solid changes its form the function may turn sharply: sample it there.
    const Extended special = ASearch.Interval.Special;
    if (APiece.Holds(special))
        add({APiece.Position(special), special, FFunction(special)});
    std::sort(nodes.begin(), nodes.end(), Before);
    nodes.erase(std::unique(nodes.begin(), nodes.end(),
                            [](const TNode& A, const TNode& B) { return A.U == B.U; }),
                nodes.end());
    FComplete = FComplete && ends && nodes.size() >= 2;
    if (nodes.size() < 2)
        return;

    // The turning points, each between the start of the last rise (or fall) and the
    // end of the fall (or rise) that follows it; flat stretches are passed over.
    std::vector<TNode> turns;
    int lastDirection = 0;
    std::size_t runStart = 0;
    for (std::size_t k = 0; k + 1 < nodes.size(); ++k) {
        const int direction = Direction(nodes[k], nodes[k + 1]);
        if (direction == 0)
            continue;
        if (lastDirection != 0 && direction != lastDirection) {
            std::size_t best = runStart;
            for (std::size_t i = runStart; i <= k + 1; ++i)
                if (lastDirection > 0 ? nodes[i].V > nodes[best].V : nodes[i].V < nodes[best].V)
                    best = i;
            const std::size_t from = best > runStart ? best - 1 : best;
            const std::size_t to = std::min(best + 1, k + 1);
            turns.push_back(TurningPoint(APiece, nodes[from], nodes[to], lastDirection > 0));
        }
        lastDirection = direction;
        runStart = k;
    }
    // A turning point takes the place of a sample at the same value.
    for (const TNode& turn : turns)
        nodes.push_back(turn);
    std::sort(nodes.begin(), nodes.end(), Before);
    nodes.erase(std::unique(nodes.begin(), nodes.end(),
                            [](const TNode& A, const TNode& B) { return A.U == B.U; }),
                nodes.end());

    for (const TNode& node : nodes)
        Note(node);
    std::vector<TRoot> roots;
    std::vector<const TNode*> touching;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const TNode& node = nodes[i];
        if (node.Turning && Touches(node))
            touching.push_back(&node);
        else if (node.Inside && Side(node) == 0)
            roots.push_back({node.U, false});
        if (i + 1 < nodes.size() && Side(node) * Side(nodes[i + 1]) < 0)
            roots.push_back({Root(APiece, node, nodes[i + 1]), false});
    }
    // A turning point that touches the target stands for every root found between the
    // samples around it: where the function turns it is flat, and they are one double
    // root seen through rounding.
    for (const TNode* turn : touching)
        FRoots.push_back({turn->U, true});
    for (const TRoot& root : roots) {
        bool merged = false;
        for (const TNode* turn : touching)
            merged = merged || (root.Value >= turn->From && root.Value <= turn->To);
        if (!merged)
            FRoots.push_back(root);
    }
}

} // namespace

TRoots FindRoots(const TFunction& AFunction, const TSearch& ASearch, Extended ATarget) {
    const SolverModels::TInterval& interval = ASearch.Interval;
    TFinder finder(AFunction, ATarget);
    const Extended excluded = interval.Excluded;
    if (std::isfinite(excluded) && excluded > interval.Low && excluded < interval.High) {
        finder.Search(TPiece(interval.Low, excluded), ASearch);
        finder.Search(TPiece(excluded, interval.High), ASearch);
    } else {
        finder.Search(TPiece(interval.Low, interval.High), ASearch);
    }
    TRoots roots = finder.Result();
    std::sort(roots.Roots.begin(), roots.Roots.end(),
              [](const TRoot& A, const TRoot& B) { return A.Value < B.Value; });
    return roots;
}

} // namespace SolverRoots
