// The fixed names of a build and the two command lines it gives to the outside
// tools, as text and as argument vector made from the same pieces.
#pragma once

#include <string>

#include "builder/CommandLine.h"

namespace sk::builder {

// Staged names in the staging folder.
inline constexpr const char* kStagedPresentation = "view.ppt";
inline constexpr const char* kStagedConversionSource = "view.pptx";
// Where the default converter (outside-tools/pptxppt/ppt2ppt.dll) writes its result.
inline constexpr const char* kConverterResult = "view-converted.ppt";

// Viewer folder patterns, appended to the program folder.
inline constexpr const char* kViewerPattern2003 = "ppt2003/*.*";
inline constexpr const char* kViewerPattern2007 = "ppt2007/*.*";

inline constexpr const char* kArchiverProgram = "arc.dll";
inline constexpr const char* kArchiverCommandHead = "arc.dll a -sfx7zs.sfx ";
inline constexpr const char* kCompressionSwitch = "-mx";
inline constexpr const char* kConverterProgram = "pptxppt/ppt2ppt.dll";
inline constexpr const char* kConverterSourcePrefix = "/P:Source=";
inline constexpr const char* kConverterOptions = ";RunAndClose=true;PureConsole=true ";

inline constexpr const char* kNoSourceMessage = "Не выбран исходный файл презентации!";

// The archiver line:
//   arc.dll a -sfx7zs.sfx "<output>" "<programFolder><viewerPattern>" "<stagingDir>view.ppt" -mx<level>
CommandLine archiverCommandLine(const std::string& outputPath, const std::string& programFolder,
                                const std::string& viewerPattern, const std::string& stagingDirectory,
                                int level);

// The converter line (ends in one blank, the staged path is not quoted):
//   <programFolder>pptxppt/ppt2ppt.dll /P:Source=<stagingDir>view.pptx;RunAndClose=true;PureConsole=true
CommandLine converterCommandLine(const std::string& programFolder, const std::string& stagingDirectory);

// The extension of a path: from its last "." to the end, unless a "/" follows
// that dot; "" when there is none.
std::string fileExtension(const std::string& path);

}  // namespace sk::builder
