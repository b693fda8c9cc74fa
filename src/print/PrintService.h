#pragma once

#include <optional>

class QPagedPaintDevice;

// The printer as the print command sees it: a print dialog that yields a copy
// count, and a device for each copy's own print job. Painting on the device
// and ending the painter sends the job.
class PrintService
{
public:
    virtual ~PrintService() = default;
    // Shows the print dialog; the number of copies chosen, or nothing when the
    // player cancels or the dialog fails.
    virtual std::optional<int> showPrintDialog() = 0;
    // The device for copy `copy` (from 1), or null when it cannot be had.
    virtual QPagedPaintDevice* jobDevice(int copy) = 0;
};
