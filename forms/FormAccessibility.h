#pragma once
// What a screen reader tells about a form beyond its controls' names: each
// field described after the field table of the form's help topic, and the
// values of the fields the user cannot type in now, on the form itself.

#include <QString>
#include <map>

namespace platform {
class CDialog;
class HelpFile;
}  // namespace platform

// Field name ("R (ohm)") -> what it holds, from the table under the "Fields"
// heading of a help topic's HTML. A row naming several fields ("U1 (V), U2
// (V)" / "voltage across C1, across C2") gives each its own part.
std::map<QString, QString> HelpFieldDescriptions(const QString& topicHtml);

// The program's help file, read on first use; null when there is none.
const platform::HelpFile* ProgramHelpFile();

// Describes every edit field of the dialog whose name the topic's table knows.
void DescribeFields(platform::CDialog& dialog, const platform::HelpFile* help, int topic);

// "Results: U (V) = 12.00, P (W) = 120.00 m": the disabled edit fields in
// template order; empty when every field is open for typing.
QString ResultsDescription(const platform::CDialog& dialog);
// Puts ResultsDescription on the dialog when it changed.
void DescribeResults(platform::CDialog& dialog);
