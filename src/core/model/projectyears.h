// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>

namespace vantrel {

/// The project's begin and end year: one pair shared by the elements list, the scenario table
/// and the window, so all of them always see the same timeframe.
///
/// Years are kept within ±MaxAbsYear and the end year at most MaxYearSpan - 1 years after the
/// begin year. The scenario table holds one row per year, so an absurd timeframe from a damaged
/// file must not turn into billions of rows.
class ProjectYears {
public:
    static constexpr std::int32_t MaxAbsYear = 1'000'000;
    static constexpr std::int32_t MaxYearSpan = 10'000;

    std::int32_t beginYear() const { return m_beginYear; }
    std::int32_t endYear() const { return m_endYear; }

    /// Sets the begin year and moves the end year to begin + 101. Returns false when the year
    /// had to be clamped.
    bool setBeginYear(std::int32_t year)
    {
        const std::int32_t clamped = std::clamp(year, -MaxAbsYear, MaxAbsYear);
        m_beginYear = clamped;
        m_endYear = clamped + 101;
        return clamped == year;
    }

    /// Sets the end year. Returns false when it had to be clamped.
    bool setEndYear(std::int32_t year)
    {
        const std::int64_t limit = std::int64_t{m_beginYear} + MaxYearSpan - 1;
        const std::int64_t clamped =
            std::clamp<std::int64_t>(year, -std::int64_t{MaxAbsYear} - MaxYearSpan, limit);
        m_endYear = static_cast<std::int32_t>(clamped);
        return clamped == year;
    }

    /// Number of yearly rows from the begin to the end year; 0 when the end lies before the
    /// begin.
    std::int32_t yearCount() const { return std::max(0, m_endYear - m_beginYear + 1); }

private:
    std::int32_t m_beginYear = 2010;
    std::int32_t m_endYear = 2111;
};

} // namespace vantrel
