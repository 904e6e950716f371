#pragma once
// Disk faults on demand. Linked into a test program (or preloaded into the real one
// with LD_PRELOAD and the VANTOR_FAULTS variable), it stands in front of the C
// library's open, write, fsync, close and rename. An armed fault makes the call fail
// with its errno for files whose path contains its text (or ends with it, when the text
// ends in '$'); every other call passes through. An open fault refuses only opens for
// writing, as a read-only file does.
//
// A fault is "call:ERRNO:path-part[:budget]", several joined by ';'. For write the
// budget is the number of bytes that still go through before the writes fail (a disk
// that fills up in the middle of a line); a failing close still releases the file, as
// on a network file system.

extern "C" {
// Replaces every armed fault; null or "" disarms them all.
void vantor_faults_arm(const char* plan);
}

namespace vantor::test {

// Arms faults for one scope of a test.
class ArmedFaults {
public:
    explicit ArmedFaults(const char* plan) { vantor_faults_arm(plan); }
    ~ArmedFaults() { vantor_faults_arm(nullptr); }
    ArmedFaults(const ArmedFaults&) = delete;
    ArmedFaults& operator=(const ArmedFaults&) = delete;
};

} // namespace vantor::test
