#include "engine/plays/LuckInversion.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <complex>
#include <map>
#include <numbers>

namespace pick3 {
namespace {

using Complex = std::complex<double>;

// The draws alike, once each with their number, tilted by e^(s x).
struct Tilted {
    std::vector<std::pair<LatticeDraw, long long>> groups;
    double logScale = 0.0; // K(s)
    double variance = 0.0; // K''(s)
    long long greatestStep = 0;
    long long values = 0; // of the different draws, all told
};

Tilted tilt(const std::vector<LatticeDraw>& draws, double s) {
    std::map<LatticeDraw, long long> alike;
    for (const LatticeDraw& draw : draws) {
        ++alike[draw];
    }
    Tilted tilted;
    for (const auto& [draw, count] : alike) {
        const double ref = static_cast<double>(s >= 0.0 ? draw.back().first : draw.front().first);
        double norm = 0.0;
        for (const auto& [x, p] : draw) {
            norm += p * std::exp(s * (static_cast<double>(x) - ref));
        }
        LatticeDraw q;
        double mean = 0.0;
        for (const auto& [x, p] : draw) {
            q.emplace_back(x, p * std::exp(s * (static_cast<double>(x) - ref)) / norm);
            mean += static_cast<double>(x) * q.back().second;
        }
        double variance = 0.0;
        for (const auto& [x, chance] : q) {
            variance += chance * (static_cast<double>(x) - mean) * (static_cast<double>(x) - mean);
        }
        const auto many = static_cast<double>(count);
        tilted.logScale += many * (s * ref + std::log(norm));
        tilted.variance += many * variance;
        tilted.greatestStep = std::max(tilted.greatestStep, draw.back().first - draw.front().first);
        tilted.values += static_cast<long long>(q.size());
        tilted.groups.emplace_back(std::move(q), count);
    }
    return tilted;
}

// The window: wide enough that Bernstein's bound, exp(-t^2 / (2 (var + M t / 3))), is
// below e^-50 at half its width, and never wider than the totals themselves.
std::size_t windowFor(const Tilted& tilted, long long greatest) {
    const double b = 100.0 * static_cast<double>(tilted.greatestStep) / 3.0;
    const double half = (b + std::sqrt(b * b + 400.0 * tilted.variance)) / 2.0;
    const auto wanted = static_cast<std::size_t>(std::min(2.0 * half + 2.0, 1e12));
    const auto all = static_cast<std::size_t>(greatest) + 1;
    return std::bit_ceil(std::max<std::size_t>(64, std::min(wanted, all)));
}

// In place, radix 2, by a table of e^(-2 pi i j / n); `inverse` turns the exponent's sign.
void transform(std::vector<Complex>& a, const std::vector<Complex>& roots, bool inverse) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; (j & bit) != 0; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(a[i], a[j]);
        }
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::size_t stride = n / len;
        for (std::size_t start = 0; start < n; start += len) {
            for (std::size_t i = 0; i < len / 2; ++i) {
                const Complex w = inverse ? std::conj(roots[i * stride]) : roots[i * stride];
                const Complex odd = a[start + i + len / 2] * w;
                a[start + i + len / 2] = a[start + i] - odd;
                a[start + i] += odd;
            }
        }
    }
}

// The tilted total's characteristic function at the frequencies 0 to n - 1.
std::vector<Complex> characteristic(const Tilted& tilted, const std::vector<Complex>& roots) {
    const std::size_t n = roots.size();
    std::vector<Complex> phi(n, Complex(1.0, 0.0));
    for (std::size_t f = 0; f <= n / 2; ++f) {
        Complex product(1.0, 0.0);
        for (const auto& [q, count] : tilted.groups) {
            Complex one(0.0, 0.0);
            for (const auto& [x, chance] : q) {
                one += chance * roots[(f * (static_cast<std::size_t>(x) % n)) % n];
            }
            product *= count == 1 ? one
                       : std::abs(one) == 0.0
                           ? Complex(0.0, 0.0)
                           : std::exp(static_cast<double>(count) * std::log(one));
            if (std::abs(product) < 1e-300) {
                product = Complex(0.0, 0.0);
                break;
            }
        }
        phi[f] = product;
        phi[(n - f) % n] = std::conj(product);
    }
    return phi;
}

} // namespace

std::optional<LatticeTails> invertedLatticeTails(const std::vector<LatticeDraw>& draws, long long k,
                                                 double s, bool above, long long maxSteps) {
    const Tilted tilted = tilt(draws, s);
    long long greatest = 0;
    for (const LatticeDraw& draw : draws) {
        greatest += draw.back().first;
    }
    const std::size_t n = windowFor(tilted, greatest);
    const auto frequencies = static_cast<long long>(n / 2 + 1);
    if (n > (std::size_t{1} << 24) ||
        frequencies * tilted.values + static_cast<long long>(n) * 24 > maxSteps) {
        return std::nullopt;
    }
    std::vector<Complex> roots(n);
    for (std::size_t j = 0; j < n; ++j) {
        const double angle =
            -2.0 * std::numbers::pi * static_cast<double>(j) / static_cast<double>(n);
        roots[j] = Complex(std::cos(angle), std::sin(angle));
    }
    std::vector<Complex> chances = characteristic(tilted, roots);
    transform(chances, roots, true);
    // The totals of the window about k, each read from its place modulo n.
    const auto half = static_cast<long long>(n / 2);
    const long long low = std::max(0LL, k - half);
    const long long high = std::min(greatest, low + static_cast<long long>(n) - 1);
    const auto tailFrom = [&](long long from) {
        double sum = 0.0;
        for (long long m = above ? from : low; m <= (above ? high : from); ++m) {
            const double p =
                chances[static_cast<std::size_t>(m) % n].real() / static_cast<double>(n);
            sum += p * std::exp(-s * static_cast<double>(m - from));
        }
        return sum > 0.0
                   ? std::optional<double>(std::min(
                         0.0, tilted.logScale - s * static_cast<double>(from) + std::log(sum)))
                   : std::nullopt;
    };
    const auto here = tailFrom(k);
    const auto beyond = tailFrom(above ? k + 1 : k - 1);
    if (!here || !beyond) {
        return std::nullopt;
    }
    const double rest = std::log1p(-std::exp(*beyond));
    return above ? LatticeTails{*here, rest, true} : LatticeTails{rest, *here, true};
}

} // namespace pick3
