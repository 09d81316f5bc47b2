#pragma once

namespace vantor::model {

// The desktop's association of workbook files with the application, which
// only the host can reach; the application's "FileAssoc" goes through it.
class FileAssociation {
public:
    virtual ~FileAssociation() = default;
    // Whether workbook files open with this application first.
    virtual bool IsOn() const = 0;
    // Raises 1004 with a description when the desktop's files cannot be changed.
    virtual void Set(bool on) = 0;
};

} // namespace vantor::model
