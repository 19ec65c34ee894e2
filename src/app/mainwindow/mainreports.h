#pragma once

#include "report.h"

// The three reports the main window runs itself: the item list and the
// stock list from their templates, and the stock value in rupiah, whose
// layout is kept here in code. Failures (a missing template, a server
// error, no rows where the report needs some) are shown with their own
// text through messages(); the main window stays.
namespace MainReports {

void itemReport();       // "Laporan" > "Master" > "Barang..."
void stockReport();      // "Barang" > "Daftar Stok Barang..."
void stockValueReport(); // "Laporan" > "Master" > "Barang Rupiah"

// The reports with their data bound, for the preview or a test. A failure
// carries the text to show.
ReportResult<Report> prepareItemReport();
ReportResult<Report> prepareStockReport();
ReportResult<Report> prepareStockValueReport();

// The stock value report's layout, kept in code.
ReportTemplate stockValueLayout();

} // namespace MainReports
