# Writes OUT, a C++ file holding the bytes of the compiled resource file IN and linking them to
# the module it ends up in (cmake -DIN=... -DOUT=... -DNAME=... -P EmbedRes.cmake).
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
       "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Generated from ${NAME}.rc by cmake/EmbedRes.cmake: the compiled resources, attached at
// start-up to the module that holds them, as a linker puts them into a Win32 image.
#include <resources.h>

namespace {

alignas(4) const unsigned char kResources[] = {
${bytes}};

[[maybe_unused]] const bool kLinked = (resources::LinkResFile(kResources, kResources, sizeof kResources), true);

} // namespace
")
