// Where printReport() sends its pages: the default printer, or a double in tests.
#pragma once

#include <QString>
#include <memory>

namespace reports {

struct PageModel;

class Printer {
public:
    virtual ~Printer() = default;
    // Prints every page, no dialog; a paginated model makes its pages as they
    // are printed. Throws vb::Error when nothing was printed.
    virtual void print(const PageModel& model) = 0;
};

// The system's default printer through QPrinter. Throws vb::Error 482
// ("Printer error") when no printer is installed or the job fails to start.
class DefaultPrinter : public Printer {
public:
    void print(const PageModel& model) override;
};

// The printer every report uses. Installing nullptr restores the default.
Printer& printer();
void setPrinter(std::unique_ptr<Printer> p);

// A printer double for tests: keeps each printed model.
// Copies share their record: keep one, install a copy with
// setPrinter(std::make_unique<RecordingPrinter>(kept)).
class RecordingPrinter : public Printer {
public:
    RecordingPrinter();
    void print(const PageModel& model) override;
    int jobs() const;
    const PageModel& job(int i) const;

private:
    struct Jobs;
    std::shared_ptr<Jobs> mJobs;
};

} // namespace reports
