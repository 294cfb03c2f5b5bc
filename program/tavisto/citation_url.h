// The regulations program's one job: turn a citation ("49CFR172.504(e)",
// "173.150", "49 CFR 172.301(a)(3)", "cite=49CFR177.848") into the page of
// the Electronic Code of Federal Regulations that holds it.
#pragma once

#include <string>

namespace tavisto {

inline constexpr const char *kEcfrBase = "https://www.ecfr.gov/current/";

// The eCFR address for a citation; a citation without a title number is in
// Title 49.  A text that names no part or section gives the title's page.
std::string citationToUrl(const std::string &citation);

} // namespace tavisto
