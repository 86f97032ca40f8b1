#pragma once
// Where printed output goes when the desktop has no printer: a folder that receives PDF files,
// kept as a per-user setting ("PDF Folder") beside the data-location settings.

#include <QString>

QString pdfOutputFolder();
// Makes the printer check count a configured PDF folder as an output device.
void usePdfFolderSetting();
