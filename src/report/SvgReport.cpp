// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/SvgReport.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <utility>

#include "cases/CasePanelLayout.h"
#include "cases/CasePicture.h"
#include "cases/OllCases.h"
#include "cases/TopView.h"
#include "report/TextEscape.h"

namespace kestive {

namespace {

// The page: three columns of 19 cases under a header.
constexpr int kColumns = 3;
constexpr double kMargin = 20;
constexpr double kCellWidth = 480;
constexpr double kCellHeight = 100;
constexpr double kTitleHeight = 80;
constexpr double kChartHeight = 150;  // the total-average chart with its labels, with several sessions
constexpr double kPageWidth = 2 * kMargin + kColumns * kCellWidth;

// Inside a cell.
constexpr double kPictureX = 8, kPictureY = 9;
constexpr double kTextX = 100;
constexpr double kBarY = 34, kBarDrawnWidth = 162, kBarDrawnHeight = 20;
constexpr double kLabelsY = 74;
constexpr double kSparkX = 352, kSparkY = 18, kSparkWidth = 116, kSparkHeight = 58;

constexpr const char* kFont = "font-family=\"Liberation Sans, DejaVu Sans, Arial, sans-serif\"";

std::string hex(Rgb colour) {
    constexpr char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (const std::uint8_t part : {colour.r, colour.g, colour.b}) {
        out += digits[part >> 4];
        out += digits[part & 15];
    }
    return out;
}

// A coordinate: at most two decimals, always with ".", whatever the user's number format.
std::string num(double value) {
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, static_cast<double>(roundHalfEven(value * 100)) / 100);
    return std::string(buf, res.ptr);
}

std::string rect(double x, double y, double width, double height, const std::string& fill,
                 const std::string& extra = "") {
    return "<rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(width) + "\" height=\"" +
           num(height) + "\" fill=\"" + fill + "\"" + extra + "/>";
}

std::string text(double x, double y, double size, const std::string& content, const std::string& extra = "") {
    return "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" font-size=\"" + num(size) + "\"" + extra + ">" +
           xmlEscaped(content) + "</text>";
}

// A line through the points, or a dot when there is only one.
std::string polyline(const std::vector<std::pair<double, double>>& points, const std::string& colour,
                     double width) {
    if (points.empty()) return {};
    std::string out;
    if (points.size() > 1) {
        out += "<polyline fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + num(width) +
               "\" stroke-linejoin=\"round\" points=\"";
        for (std::size_t p = 0; p < points.size(); ++p) {
            out += (p ? " " : "") + num(points[p].first) + "," + num(points[p].second);
        }
        out += "\"/>";
    }
    for (const auto& point : {points.front(), points.back()}) {
        out += "<circle cx=\"" + num(point.first) + "\" cy=\"" + num(point.second) + "\" r=\"" +
               num(width + 1) + "\" fill=\"" + colour + "\"/>";
    }
    return out;
}

// Values over the sessions as points in the box (x, y, width, height), the lowest value at the bottom.
// Sessions without a value are left out; the line runs on to the next one that has one.
std::vector<std::pair<double, double>> chartPoints(const std::vector<std::optional<double>>& values, double x,
                                                   double y, double width, double height) {
    double low = 0, high = 0;
    bool any = false;
    for (const auto& value : values) {
        if (!value) continue;
        low = any ? std::min(low, *value) : *value;
        high = any ? std::max(high, *value) : *value;
        any = true;
    }
    std::vector<std::pair<double, double>> points;
    const double steps = values.size() > 1 ? static_cast<double>(values.size() - 1) : 1;
    for (std::size_t s = 0; s < values.size(); ++s) {
        if (!values[s]) continue;
        const double fraction = high > low ? (*values[s] - low) / (high - low) : 0.5;
        points.emplace_back(x + width * static_cast<double>(s) / steps, y + height * (1 - fraction));
    }
    return points;
}

std::string casePicture(int pll, double x, double y) {
    std::string out = "<g transform=\"translate(" + num(x) + "," + num(y) + ")\">";
    out += rect(0, 0, kPictureSize, kPictureSize, hex(kPictureBackground));
    for (const PictureRect& part : casePictureRects(ollCaseView(pll))) {
        out += rect(part.x, part.y, part.width, part.height, hex(part.colour));
    }
    return out + "</g>";
}

// The bar box as the panel draws it, scaled down: white, the red bar from the left, the dark grey grid
// over it.
std::string barBox(double ratio, double x, double y) {
    std::string out = rect(x, y, kBarDrawnWidth, kBarDrawnHeight, "#ffffff");
    if (ratio > 0) out += rect(x, y, kBarDrawnWidth * std::min(ratio, 1.0), kBarDrawnHeight, "#ff0000");
    out += "<path stroke=\"#323232\" stroke-width=\"1\" d=\"";
    for (int twips = 0; twips <= kBarWidth; twips += kBarGridStep) {
        const double gridX = x + kBarDrawnWidth * twips / kBarWidth;
        out += "M" + num(gridX) + " " + num(y) + "V" + num(y + kBarDrawnHeight);
    }
    out += "\"/>";
    return out +
           rect(x, y, kBarDrawnWidth, kBarDrawnHeight, "none", " stroke=\"#000000\" stroke-width=\"1\"");
}

std::string caseCell(const TimeStore& times, const std::vector<SessionSummary>& sessions, int pll, double x,
                     double y, const NumberFormat& format) {
    const auto k = static_cast<std::size_t>(pll);
    const std::int32_t mean = times.roundedMean(pll);
    std::string out = "<g id=\"oll-" + plainInteger(pll + 1) + "\"";
    if (times.timeCount(pll) > 0) out += " data-mean-ms=\"" + plainInteger(mean) + "\"";
    out += "><title>" + xmlEscaped(ollCaseTitle(pll)) + "</title>";
    out += rect(x + 1, y + 1, kCellWidth - 6, kCellHeight - 6, "#fafafa",
                " stroke=\"#d0d0d0\" stroke-width=\"1\" rx=\"6\"");
    out += casePicture(pll, x + kPictureX, y + kPictureY);
    out += text(x + kTextX, y + 26, 18, "OLL " + plainInteger(pll + 1), " font-weight=\"bold\"");
    const std::int32_t scale = times.maxAverage();
    out += barBox(scale > 0 ? static_cast<double>(mean) / scale : 0.0, x + kTextX, y + kBarY);
    out += text(x + kTextX, y + kLabelsY, 13, "Avg: " + twoDecimals(mean / 1000.0, format));
    out += text(x + kTextX + 95, y + kLabelsY, 13, "Num: " + plainInteger(times.timeCount(pll)));
    out += text(x + kTextX + 175, y + kLabelsY, 13, "Std: " + twoDecimals(times.std(pll, mean), format));
    if (sessions.size() > 1) {
        std::vector<std::optional<double>> means;
        for (const SessionSummary& session : sessions) {
            if (session.count[k] > 0)
                means.emplace_back(session.roundedMean[k]);
            else
                means.emplace_back();
        }
        out += rect(x + kSparkX - 4, y + kSparkY - 6, kSparkWidth + 8, kSparkHeight + 12, "#ffffff",
                    " stroke=\"#e0e0e0\" stroke-width=\"1\"");
        out +=
            polyline(chartPoints(means, x + kSparkX, y + kSparkY, kSparkWidth, kSparkHeight), "#c00000", 1.5);
    }
    return out + "</g>\n";
}

std::string header(const TimeStore& times, const std::vector<SessionSummary>& sessions,
                   const NumberFormat& format) {
    std::string out = text(kMargin, kMargin + 28, 26, "Kestive \u2014 OLL times", " font-weight=\"bold\"");
    std::string subtitle;
    if (sessions.size() == 1) {
        subtitle = "Session " + sessions.front().name;
    } else if (!sessions.empty()) {
        subtitle = plainInteger(static_cast<std::int64_t>(sessions.size())) + " sessions, " +
                   sessions.front().name + " to " + sessions.back().name;
    }
    const auto total = totalAverageSeconds(times);
    subtitle += " \u00b7 Total Average: " + (total ? twoDecimals(*total, format) : std::string("-"));
    out += text(kMargin, kMargin + 56, 15, subtitle, " id=\"summary\"");
    if (sessions.size() < 2) return out + "\n";

    // The total average per session.
    const double chartX = kMargin + 70, chartY = kMargin + kTitleHeight + 20;
    const double chartWidth = kPageWidth - chartX - kMargin - 10, chartHeight = kChartHeight - 60;
    std::vector<std::optional<double>> totals;
    double low = 0, high = 0;
    bool any = false;
    for (const SessionSummary& session : sessions) {
        totals.push_back(session.totalAverage);
        if (!session.totalAverage) continue;
        low = any ? std::min(low, *session.totalAverage) : *session.totalAverage;
        high = any ? std::max(high, *session.totalAverage) : *session.totalAverage;
        any = true;
    }
    out += "<g id=\"total-average\">";
    out += text(kMargin, chartY - 8, 13, "Total Average per session", " font-weight=\"bold\"");
    out += rect(chartX, chartY, chartWidth, chartHeight, "#ffffff", " stroke=\"#d0d0d0\" stroke-width=\"1\"");
    if (any) {
        out += text(chartX - 8, chartY + 10, 12, twoDecimals(high, format), " text-anchor=\"end\"");
        out += text(chartX - 8, chartY + chartHeight, 12, twoDecimals(low, format), " text-anchor=\"end\"");
    }
    out += polyline(chartPoints(totals, chartX, chartY + 4, chartWidth, chartHeight - 8), "#c00000", 2);
    out += text(chartX, chartY + chartHeight + 18, 12, sessions.front().name);
    out += text(chartX + chartWidth, chartY + chartHeight + 18, 12, sessions.back().name,
                " text-anchor=\"end\"");
    return out + "</g>\n";
}

}  // namespace

std::string svgReport(const TimeStore& times, const std::vector<SessionSummary>& sessions,
                      const NumberFormat& format) {
    const double top = kMargin + kTitleHeight + (sessions.size() > 1 ? kChartHeight : 0);
    const int rows = (kCaseCount + kColumns - 1) / kColumns;
    const double height = top + rows * kCellHeight + kMargin;
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(kPageWidth) + "\" height=\"" +
           num(height) + "\" viewBox=\"0 0 " + num(kPageWidth) + " " + num(height) + "\" " + kFont +
           " fill=\"#000000\">\n";
    out += rect(0, 0, kPageWidth, height, "#ffffff") + "\n";
    out += header(times, sessions, format);
    for (int i = 0; i < kCaseCount; ++i) {
        // Down the first column, then the next: case numbers read like a book's index.
        const double x = kMargin + (i / rows) * kCellWidth;
        const double y = top + (i % rows) * kCellHeight;
        out += caseCell(times, sessions, i, x, y, format);
    }
    return out + "</svg>\n";
}

}  // namespace kestive
