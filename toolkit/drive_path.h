#pragma once

#include <QString>

namespace loco {

// Maps a drive-letter path such as "d:\delpi_hasil\ker3.jpg" onto this
// machine: drive X: is the folder <drive root>/X, backslashes become slashes
// and the rest of the path stays as it is. Other paths are returned unchanged.
QString localPath(const QString& path);

// The folder holding the drive folders: by default the program's data folder,
// found from the executable's folder as the install layout places the two
// (<prefix>/bin/program finds <prefix>/share/lokomotif).
QString driveRoot();
// Tests point the drives elsewhere; an empty root restores the default.
void setDriveRoot(const QString& root);

} // namespace loco
