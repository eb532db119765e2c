// Whether a help file name read from "MAIN.INI" keeps to the library's directory.
#pragma once

namespace helpfile {

// True for a name that, put after the library's directory, names a file there or below: no
// segment made of two or more dots alone ("..", "...", ".. "), with either "\" or "/" between
// segments, and no wildcard ("*", "?"), which would let the help engine pick some other file.
// "DOC\APP.HLP" and "\DOC\APP.HLP" pass; "..\APP.HLP", "DOC/../../APP.HLP" and "*.HLP" do not.
// A null name does not pass.
bool StaysBelowDirectory(const char* name);

} // namespace helpfile
