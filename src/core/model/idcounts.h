// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vantrel {

/// Counts per element ID. IDs from -1 ("none") up to a bound live in a plain vector, so the
/// counts of a whole project are rebuilt without hashing or allocating per ID; the rare IDs
/// outside (from hand-edited files) go to a hash map.
class IdCounts {
public:
    /// Empties the counts; IDs below `denseLimit` will be counted in the vector.
    void reset(std::int64_t denseLimit)
    {
        m_dense.assign(static_cast<std::size_t>(std::max<std::int64_t>(denseLimit, 0) + 1), 0);
        m_sparse.clear();
    }
    /// Adds one for `id` and returns the count before.
    int increment(std::int32_t id)
    {
        if (int* slot = denseSlot(id))
            return (*slot)++;
        return m_sparse[id]++;
    }
    int count(std::int32_t id) const
    {
        if (id >= -1 && static_cast<std::size_t>(std::int64_t{id} + 1) < m_dense.size())
            return m_dense[static_cast<std::size_t>(id + 1)];
        auto it = m_sparse.find(id);
        return it == m_sparse.end() ? 0 : it->second;
    }

private:
    int* denseSlot(std::int32_t id)
    {
        if (id >= -1 && static_cast<std::size_t>(std::int64_t{id} + 1) < m_dense.size())
            return &m_dense[static_cast<std::size_t>(id + 1)];
        return nullptr;
    }
    std::vector<int> m_dense;
    std::unordered_map<std::int32_t, int> m_sparse;
};

} // namespace vantrel
