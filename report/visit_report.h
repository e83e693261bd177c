#pragma once

#include <QString>

class QImage;

// The service report of a visit, to hand to the machine's owner: the machine (name, site,
// serial number), the technician's note, when the visit began and ended, the program's
// version, the modes, states and errors seen and how long each lasted, the commands sent, the
// boiler temperature curve, the machine checks' results and the recipe values changed. The
// controller's address is left out unless `withAddress`: reports leave the company.
// Texts in the program's language (context "Report").
namespace VisitReport {

// The report as HTML; the curve's <img> takes `curveSource`, and `curve` gets the picture
// (null without temperatures). False, with the reason, for a folder that holds no visit.
bool html(const QString& visitFolder, bool withAddress, const QString& curveSource, QString* html, QImage* curve,
          QString* error);

// Writes the report to `outPath`: a PDF for ".pdf", one self-contained HTML file (the curve
// inline as a data: URL) for ".html" or ".htm". Needs a QGuiApplication (offscreen will do).
bool write(const QString& visitFolder, const QString& outPath, bool withAddress, QString* error);

} // namespace VisitReport
