#pragma once

#include <utility>
#include <vector>

/// Arithmetic on sets of window columns, for planning where the forest's
/// layers are drawn. A set is a list of half-open ranges [first, last), sorted
/// and apart.
namespace columnSpans
{
using Spans = std::vector<std::pair<int, int>>;
/// Ranges of window x, not yet rounded to columns.
using FloatSpans = std::vector<std::pair<float, float>>;

/// How far off, in window pixels, the rasterizer may put an edge compared with
/// where it is worked out here, for a view whose left edge is at `viewLeft`.
float slackAt(float viewLeft);

/// The window columns in [0, width) whose pixels might show something of the spans.
void widen(const FloatSpans& spans, float slack, int width, Spans& out);

/// The window columns in [0, width) whose pixels surely show the spans alone.
void narrow(const FloatSpans& spans, float slack, int width, Spans& out);

/// The columns of `a` that are not in `b`.
void subtract(const Spans& a, const Spans& b, Spans& out);

/// Adds the columns of `b` to `a`; `scratch` is working space.
void unite(Spans& a, const Spans& b, Spans& scratch);

/// Whether one span holds all of [first, last).
bool inside(const Spans& spans, int first, int last);
} // namespace columnSpans
