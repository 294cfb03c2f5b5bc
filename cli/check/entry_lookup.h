// Finding Hazardous Materials Table entries of the current ruleset by ID
// number, name or class, through the public interface.
#pragma once

#include <string>
#include <vector>

namespace velmora::check {

// Every PID matching text in search mode 0 (name), 1 (class) or 2 (ID).
std::vector<int> Search(const std::string &text, int mode);

// The packing-group slot of "I", "II", "III" (1-3), "" (0); -1 otherwise.
int SlotOfPackingGroup(const std::string &pg);
const char *PackingGroupOfSlot(int slot);

} // namespace velmora::check
