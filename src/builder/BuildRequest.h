// The four values a build reads from the main window when the compile button is
// pressed. Nothing is kept between presses.
#pragma once

#include <string>

namespace sk::builder {

enum class PackageKind {
    Package2003,  // the 2003 viewer: any source is staged as it is
    Package2007,  // the 2007 viewer: takes *.ppt as it is and converts *.pptx first
};

struct BuildRequest {
    PackageKind package = PackageKind::Package2003;
    int level = 0;           // compression level 0..10, the track bar position
    std::string sourcePath;  // the presentation; may be empty; used unchanged
    std::string outputPath;  // the self-extracting executable to write; used unchanged
};

}  // namespace sk::builder
