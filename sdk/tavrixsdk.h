#pragma once

// The device library's start. The application calls, once on the GUI thread
// before it builds the device page: CTavrixSDK_VersionStr, then
// CTavrixXML_Init, CTavrixHid_Init and CTavrixLight_Init, always all three in
// this order; each returns 0 for success. There is no shutdown call.
//
// Conventions of the whole library: free functions; texts are NUL-terminated
// 8-bit texts (file paths in the local 8-bit encoding, device paths and
// numbers in Latin-1, names in UTF-8); records go by value or by pointer;
// containers are made empty by the caller and filled by the library.

// The library's version text.
#define TAVRIX_SDK_VERSION "1.0.0"

// Writes "TavrixSDK V<version>" into buffer (cut to fit, always NUL-terminated).
// Returns the length written, -1 for no buffer.
int CTavrixSDK_VersionStr(char *buffer, int bufferSize);

// Readies the profile, macro and advanced-key store.
int CTavrixXML_Init();

// Readies the HID layer: the transport and the device catalogue. Fails (-1)
// when the catalogue is missing or empty, since then no device is supported.
int CTavrixHid_Init();

// Readies the light-frame computation.
int CTavrixLight_Init();
