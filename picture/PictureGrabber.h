// What the report dialog asks of the window it was opened from: a picture of
// the analysed image as the window shows it (the image with its rules),
// saved to a file whose format the file name gives.
#pragma once

#include <QString>

class PictureGrabber {
public:
    // False when there is nothing shown to grab or the file could not be
    // written.
    virtual bool grabPictureView(const QString& path) = 0;

protected:
    ~PictureGrabber() = default;
};
