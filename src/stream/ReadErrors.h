#pragma once

// The brush-file layer throws a plain int: one of these codes, or the negative errno of the
// system call that failed. ReadErrorText puts any of them into words.

// A format or range violation: not a brush file, or a damaged one.
constexpr int kDamagedFileError = -1;
// A read or seek past the end of the file.
constexpr int kEndOfFileError = -39;
// A path that names a FIFO, socket or device; well below every errno, so never taken for one.
constexpr int kNotRegularFileError = -1000;
