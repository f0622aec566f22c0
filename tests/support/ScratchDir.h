#pragma once
// A fresh folder under the test temp directory, removed with its contents
// when the object goes away.
#include <string>

namespace fixtures {

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string& name) const;

private:
    std::string path_;
};

}  // namespace fixtures
