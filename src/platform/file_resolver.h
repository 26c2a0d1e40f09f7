#pragma once
#include <QString>

namespace file_resolver {

// Full path of the file `name` inside `folder`, matched without regard to case
// as the Windows file system does: an existing file of any case wins, else the
// path with `name` as given (for a file to be created).
QString Resolve(const QString& folder, const QString& name);

// Resolves a full path by its last component.
QString Resolve_Path(const QString& path);

}  // namespace file_resolver
