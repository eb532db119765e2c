// File name patterns as the system matches them: '*' any run of characters, '?' one character,
// letters compared ignoring case; "*.*" matches every name, with or without a dot.
#pragma once

namespace kernel {

bool MatchesWildcard(const char* pattern, const char* name);

} // namespace kernel
