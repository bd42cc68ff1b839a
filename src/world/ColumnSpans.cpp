#include "world/ColumnSpans.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace columnSpans
{
// Float rounding, which grows with the distance from the world's origin, and
// half a pixel, since a pixel is filled from the one texel its centre falls on.
float slackAt(float viewLeft)
{
    return 0.5f + std::abs(viewLeft) * 1e-6f;
}

void widen(const FloatSpans& spans, float slack, int width, Spans& out)
{
    out.clear();
    for (const auto& [left, right] : spans)
    {
        const int first = std::max(static_cast<int>(std::floor(left - slack)) - 1, 0);
        const int last = std::min(static_cast<int>(std::ceil(right + slack)) + 1, width);
        if (first >= last)
            continue;
        if (!out.empty() && first <= out.back().second)
            out.back().second = std::max(out.back().second, last);
        else
            out.emplace_back(first, last);
    }
}

void narrow(const FloatSpans& spans, float slack, int width, Spans& out)
{
    out.clear();
    for (const auto& [left, right] : spans)
    {
        const int first = std::max(static_cast<int>(std::ceil(left + slack - 0.5f)), 0);
        const int last = std::min(static_cast<int>(std::floor(right - slack - 0.5f)) + 1, width);
        if (first < last)
            out.emplace_back(first, last);
    }
}

void subtract(const Spans& a, const Spans& b, Spans& out)
{
    out.clear();
    std::size_t j = 0;
    for (auto [first, last] : a)
    {
        while (j < b.size() && b[j].second <= first)
            ++j;
        for (std::size_t k = j; k < b.size() && b[k].first < last; ++k)
        {
            if (b[k].first > first)
                out.emplace_back(first, b[k].first);
            first = std::max(first, b[k].second);
        }
        if (first < last)
            out.emplace_back(first, last);
    }
}

void unite(Spans& a, const Spans& b, Spans& scratch)
{
    scratch.clear();
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(scratch));
    a.clear();
    for (const auto& span : scratch)
    {
        if (!a.empty() && span.first <= a.back().second)
            a.back().second = std::max(a.back().second, span.second);
        else
            a.push_back(span);
    }
}

bool inside(const Spans& spans, int first, int last)
{
    return std::any_of(spans.begin(), spans.end(),
                       [first, last](const auto& span)
                       { return span.first <= first && last <= span.second; });
}

} // namespace columnSpans
