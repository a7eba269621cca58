#pragma once

namespace orven {

// The Greek single-byte code page that every results file is written in.
inline constexpr const char* kResultsCodePage = "windows-1253";

}  // namespace orven
