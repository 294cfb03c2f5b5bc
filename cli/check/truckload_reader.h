// Reads a truckload written in JSON into an engine's load, through the
// same item operations and "allowed" tests as the program's item dialog.
// Bad input is refused whole with a message naming the file, the item
// (index and ID) and the field: nothing is half-computed.
#pragma once

#include "dravlen.h"

#include <stdexcept>
#include <string>

namespace velmora::check {

class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Fills engine's (empty) load from the JSON text.  `source` names the
// input in messages.  Throws InputError: for malformed JSON, a number beyond
// double range, a key given twice in one object, an integer out of its
// field's range.  Returns the truckload's name as given (UTF-8; empty when
// none).
std::string ReadTruckloadJson(Engine *engine, const std::string &json, const std::string &source);

// Plausibility bound for one item's weight: more than a truck can carry
// (80,000 lb gross vehicle weight, 23 CFR 658.17) is a typing error.
constexpr double kMaxItemPounds = 100000.0;

} // namespace velmora::check
