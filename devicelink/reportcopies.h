#pragma once

// The heap copies of input reports that an I/O thread hands to the GUI thread by
// queued signal. The receiving slot owns and frees a copy; but a queued signal
// that is never delivered (its receiver destroyed first) would leave its copy
// behind. The copies are therefore registered until a receiver takes them, and
// whoever destroys a sender's only receiver frees the copies it never got.
namespace ReportCopies {

// A registered copy of size bytes, made for sender.
unsigned char *make(const void *sender, const unsigned char *bytes, int size);
// The receiver took the copy and will free it (a copy not registered is ignored).
void taken(const unsigned char *copy);
// Frees the copies of sender that no receiver took. Only when no queued signal of
// sender can still be delivered: its thread has ended and its receivers are
// being destroyed. Returns how many there were.
int freeUndelivered(const void *sender);

}  // namespace ReportCopies
