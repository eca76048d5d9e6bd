#pragma once

#include <QJsonObject>

struct ProjectContents;

// A project as JSON, for scripts: the page setup, the layout name, the
// selection list, the pages with their frames (rectangle, file, rotation,
// crop, stamps, logo) and the embedded files with their sizes.
namespace ProjectJson {

QJsonObject toJson(const ProjectContents &contents);

} // namespace ProjectJson
