#pragma once

// A keyboard's hidraw node may hand over input reports shorter than 64 bytes. Such a report
// is read as if the rest were zeros, as long as every field its reply byte carries arrived;
// one cut short inside its fields is dropped, since zeros there would read as values.
namespace InputReportLength {

// Whether the first `count` bytes of the 64-byte buffer `report` (zeros after them) hold
// every field of the report's kind. A full report always does.
bool holdsItsFields(const unsigned char *report, int count);

}  // namespace InputReportLength
