// Shipping-name matching and the order of name matches, for the program's
// search view and velmora-check alike.  Names are compared as words: case,
// the italic markup, punctuation, hyphens and a final "s" do not count, so
// "Corrosive liquid, n.o.s." matches "Corrosive liquids, n.o.s." and
// "lithium-ion" matches "Lithium ion batteries".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::frontend {

// The words of a text as they are compared: "<I>" and "</I>" removed, ASCII
// letters in lower case; blanks, hyphens, slashes, commas and parentheses
// separate words; any other character that is not a letter or digit is
// dropped ("n.o.s." -> "nos"); a word of more than three characters loses
// a final "s".  Bytes above 127 are kept as they are.
std::vector<std::string> nameWords(std::string_view text);

// The rank of a shipping name for the words of a query (smaller first):
// 0 the name is the words, 1 it starts with them (the last perhaps
// unfinished), 2 every word starts a word of the name, 3 the words occur
// elsewhere in it, 4 they do not all occur (no match).  A query without
// words ranks 4.
int nameRank(std::string_view query, std::string_view name);

// The best rank of an entry of the current ruleset: its proper shipping
// name as printed (italic words included) or any of its roman shipping
// names (172.101(c)(1)).  4 for a PID without a row.
int entryNameRank(std::string_view query, int pid);

// Case-insensitive order of two texts (<0, 0, >0), ties broken by the exact
// texts so that the order is total.
int compareIgnoringCase(std::string_view a, std::string_view b);

// The order of name matches: by entryNameRank; among names that are not
// the words themselves, the shorter first (it says less besides the
// words); then by the printed name ignoring case.  Answers the
// positions of `pids` in that order.
std::vector<std::size_t> nameMatchOrder(const std::vector<int> &pids, std::string_view query);

// The PIDs of the current ruleset whose names match the query (rank below
// 4), in nameMatchOrder.
std::vector<int> entriesMatchingName(std::string_view query);

} // namespace velmora::frontend
