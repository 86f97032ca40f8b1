#pragma once
// The sample data's own random numbers: the same seed gives the same numbers on every platform
// and Qt version. Each client, day and delivery draws from a stream of its own (derived from the
// seed and the thing's identity), so adding a client or a day does not reshuffle the others.

#include <QList>
#include <QtGlobal>

namespace sampledata
{

class Random
{
public:
    explicit Random(quint64 seed) : state_(seed) {}

    // A stream for one thing: the seed mixed with up to three numbers that name it.
    static Random stream(quint64 seed, quint64 a, quint64 b = 0, quint64 c = 0)
    {
        Random r(seed);
        r.state_ = mix(r.state_ ^ mix(a + 0x51a3u));
        r.state_ = mix(r.state_ ^ mix(b + 0x2f87u));
        r.state_ = mix(r.state_ ^ mix(c + 0x9d1bu));
        return r;
    }

    quint64 next()
    {
        state_ += 0x9e3779b97f4a7c15ull;
        return mix(state_);
    }
    // 0 .. n-1
    int below(int n) { return n <= 1 ? 0 : int(next() % quint64(n)); }
    // lo .. hi, both included
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    // true in `percent` cases out of a hundred (fractions allowed)
    bool chance(double percent) { return double(next() % 100000u) < percent * 1000.0; }
    template <typename T> const T& pick(const QList<T>& list)
    {
        return list[below(int(list.size()))];
    }
    // An index into `weights`, each drawn in proportion to its weight.
    int weighted(const QList<int>& weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int roll = below(total);
        for (int i = 0; i < weights.size(); ++i) {
            if (roll < weights[i])
                return i;
            roll -= weights[i];
        }
        return int(weights.size()) - 1;
    }

private:
    // splitmix64's finalizer
    static quint64 mix(quint64 z)
    {
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    quint64 state_;
};

} // namespace sampledata
