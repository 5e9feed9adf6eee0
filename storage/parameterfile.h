#pragma once

#include "storage/paramrecord.h"
#include "storage/safefile.h"

#include <string>
#include <string_view>

class MessageBoxes;

constexpr std::string_view parameterFileName = "QUILVE.PAR";

// The parameter file's path in `programFolder` (which ends with a separator).
std::string parameterFilePath(const std::string &programFolder);

// Reads the parameter file of `programFolder` into `record`. False when the file does not exist
// (defaults applied); true otherwise. An unreadable or short file is deleted and the defaults
// applied; a FIFO, a device or a folder in its place gives the defaults too and is left where it
// stands. A language outside 1..7 becomes 1 in every case.
bool pchargeparametres(TParamRecord &record, const std::string &programFolder);

// Writes `record` as the parameter file of `programFolder`, replacing the previous file only
// once the new one is complete: on failure the previous file is intact.
FileWriteResult psauveparametres(const TParamRecord &record, const std::string &programFolder);

// The beep and the fixed box that report a failed parameter file write.
void showParameterSaveFailure(MessageBoxes &boxes);
