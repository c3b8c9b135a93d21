#include "pgn/EditDistance.h"

#include <algorithm>
#include <vector>

namespace
{
// One row of the band: the cells of the columns row - limit to row + limit, each at its column
// minus the row plus limit. A cell outside the table or beyond the limit holds limit + 1.
class CBand
{
public:
    CBand(std::string_view a, std::string_view b, std::size_t limit)
        : m_A(a), m_B(b), m_Limit(limit), m_Beyond(limit + 1), m_Before(2 * limit + 1, m_Beyond),
          m_Last(2 * limit + 1, m_Beyond), m_Row(2 * limit + 1, m_Beyond)
    {
        for (std::size_t column = 0; column <= std::min(limit, b.size()); ++column)
            m_Last[column + limit] = column;
    }

    // Fills the next row from the two before it; false once every cell is beyond the limit, as
    // every later row then is too.
    bool Advance(std::size_t row)
    {
        std::size_t least = m_Beyond;
        for (std::size_t at = 0; at < m_Row.size(); ++at)
        {
            m_Row[at] = Cell(row, at);
            least = std::min(least, m_Row[at]);
        }
        std::swap(m_Before, m_Last);
        std::swap(m_Last, m_Row);
        return least < m_Beyond;
    }

    // The distance of the whole of a and b, once every row is filled.
    std::size_t Result() const { return m_Last[m_B.size() + m_Limit - m_A.size()]; }

private:
    std::size_t Cell(std::size_t row, std::size_t at) const
    {
        if (row + at < m_Limit || row + at - m_Limit > m_B.size())
            return m_Beyond;
        const std::size_t column = row + at - m_Limit;
        if (column == 0)
            return std::min(row, m_Beyond);
        std::size_t cell = m_Last[at] + (m_A[row - 1] == m_B[column - 1] ? 0 : 1);
        if (at + 1 < m_Last.size())
            cell = std::min(cell, m_Last[at + 1] + 1);
        if (at > 0)
            cell = std::min(cell, m_Row[at - 1] + 1);
        if (row > 1 && column > 1 && m_A[row - 1] == m_B[column - 2] &&
            m_A[row - 2] == m_B[column - 1])
            cell = std::min(cell, m_Before[at] + 1);
        return std::min(cell, m_Beyond);
    }

    std::string_view m_A;
    std::string_view m_B;
    std::size_t m_Limit;
    std::size_t m_Beyond;
    std::vector<std::size_t> m_Before; // two rows up
    std::vector<std::size_t> m_Last;
    std::vector<std::size_t> m_Row;
};
} // namespace

std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit)
{
    // What the two share at the start and at the end takes no edit, and names alike but for a
    // letter share nearly all: only the part between needs the table.
    const auto shared = static_cast<std::size_t>(
        std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
    a.remove_prefix(shared);
    b.remove_prefix(shared);
    const auto sharedEnd = static_cast<std::size_t>(
        std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first - a.rbegin());
    a.remove_suffix(sharedEnd);
    b.remove_suffix(sharedEnd);
    const std::size_t apart = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (apart > limit)
        return limit + 1;
    CBand band(a, b, limit);
    for (std::size_t row = 1; row <= a.size(); ++row)
        if (!band.Advance(row))
            return limit + 1;
    return band.Result();
}
