#pragma once

// poppler's pdftotext and pdfinfo, with which the tests read back the PDF files the program and
// the scripted printer write.
namespace PdfTools {

// Why the tools cannot run here, or null when they can.
const char *unavailableReason();

} // namespace PdfTools
