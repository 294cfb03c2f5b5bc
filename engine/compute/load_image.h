// The saved truckload image: the bytes of a .vlm file.  All integers are
// 32-bit little-endian, written and read field by field.
//
//  version 7 (written):
//    0        version (7)
//    4        L: length of the vehicle block (12 + 8Q + N)
//    8        vehicle code (0-19)
//    12       Q: number of cargo tank inspection questions
//    16       Q pairs (question ID, answer), in question index order
//    16 + 8Q  N: length of the truckload's dictionary block
//    20 + 8Q  the dictionary block
//    8 + L    C: item count
//    12 + L   C version 7 item records (32 bytes + their dictionary block)
//  version 6: as version 7 without the item count; the rest of the image is
//    version 6 item records (28 bytes), as many as fit.
//  versions 0-5: version, 4 unread bytes, then item records of that
//    version, as many as fit; no vehicle block, no dictionary.
//
// The reader trusts nothing in the image: every count, length and
// terminator is checked against the bytes that remain before anything of
// the truckload changes.
#pragma once

#include "dravlen.h"

#include <cstddef>
#include <cstdint>

namespace dravlen {

constexpr uint32_t kLoadImageVersion = 7;

// Results of ReadLoadImage (and Unserialize_Load).
enum LoadImageResult : int {
    kImageRead = 0,
    kImageMalformed = 1,
    kImageItemNotRepresentable = 2,  // test mode only
};

// Keys of the truckload's dictionary written at every serialization.
inline constexpr const char *kKey8820 = "_8820 Criteria Met";
inline constexpr const char *kKeyDOD = "_DOD Shipment";
inline constexpr const char *kKeyMctiViolations = "_viMCTI";
inline constexpr const char *kKeySegregationViolations = "_viSegregation";
inline constexpr const char *kKeyManualViolations = "_viManual";

// Whether `length` bytes at image have the layout of a truckload image of
// a known version: vehicle block lengths consistent, item count and every
// item record's dictionary inside the image, every dictionary block made of
// whole terminated entries.  Reads nothing past `length`.
bool IsLoadImageWellFormed(const uint8_t *image, std::size_t length);

// Reads an image of `length` bytes.  test false: the truckload is reset and
// then replaced by the image's content (a malformed image leaves it reset
// and empty).  test true: nothing of the truckload changes; the result
// says whether every item record can be read under the current ruleset.
// `inspection` false: the shipping-paper questions of the items are not
// built nor their violations evaluated (a truckload read to be calculated).
int ReadLoadImage(Load *load, const uint8_t *image, std::size_t length, bool test, bool inspection = true);

// Why `length` bytes at image are not a readable truckload image: too short
// for a version field or a version far beyond any written (bytes of another
// kind), a version newer than this engine reads, or else malformed.
DravlenLoadFailure ImageFailureReason(const uint8_t *image, std::size_t length);

} // namespace dravlen
