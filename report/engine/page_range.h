#pragma once
// Which pages a print job prints: "all", or page numbers and ranges such as
// "1,3-5", kept as the list of entries the filling loop tests and stops on.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace ky {

// "all" (any letter case) gives 1..total. Otherwise each comma-separated
// item with a "-" gives the numbers from its left to its right number,
// ascending; any other item is kept as written. Ranges stop at `total`:
// pages beyond it are never printed, and a range such as "1-999999999" must
// not become a list of a billion entries.
QStringList ParsePageRange(int total, const QString& text);

// True when an entry, read as a whole number, is the page.
bool PageInRange(const QStringList& list, int page);

// The last entry as a whole number: printing stops once it is reached.
// Nothing for an empty list.
std::optional<int> LastPageInRange(const QStringList& list);

// The page list read once: looking a page up costs no more for long jobs.
class PageSet {
public:
    explicit PageSet(const QStringList& list);
    bool contains(int page) const;
    std::optional<int> last() const { return last_; }

private:
    std::vector<int> sorted_;
    std::optional<int> last_;
};

}  // namespace ky
