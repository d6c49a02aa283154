#include "point_duplicates.h"

#include "point_position.h"

#include <cstring>

int findDuplicates(const PointDocument& doc, std::vector<bool>& marked, double meters) {
    int n = doc.count();
    marked.assign(static_cast<size_t>(n), false);
    std::vector<double> longitude(static_cast<size_t>(n));
    std::vector<double> latitude(static_cast<size_t>(n));
    std::vector<bool> placed(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        placed[i] = pointDegrees(doc, i, longitude[i], latitude[i]);

    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            bool sameName = doc.getName(i)[0] != '\0' && std::strcmp(doc.getName(i), doc.getName(j)) == 0;
            bool near = placed[i] && placed[j] &&
                        distanceMeters(longitude[i], latitude[i], longitude[j], latitude[j]) <= meters;
            if (sameName || near) marked[i] = marked[j] = true;
        }
    }
    int found = 0;
    for (bool m : marked)
        found += m ? 1 : 0;
    return found;
}
