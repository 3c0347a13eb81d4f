// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vantrel::test {

/// Names the cases of a parameterised test after the `name` field of their row; characters a
/// test name cannot hold become "_".
struct CaseName {
    template <typename Info> std::string operator()(const Info& row) const
    {
        std::string name = row.param.name;
        for (char& c : name)
            if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
                c = '_';
        return name;
    }
};

} // namespace vantrel::test
