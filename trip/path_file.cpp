#include "trip/path_file.h"

#include "trip/gpx_file.h"
#include "trip/path_csv.h"
#include "trip/town_path.h"
#include "trip/trip_request.h"
#include "trip/waypoint_path.h"

#include <filesystem>
#include <optional>

namespace dawnrule {

TripPath ReadPathFile(const std::string& path, const TownIndex& towns, double roadFactor)
{
    const std::string extension = FoldCase(std::filesystem::path(path).extension().string());
    if (extension == ".gpx")
        return ReadGpxPath(path, towns, roadFactor);
    if (extension == ".csv")
        return ReadCsvPath(path, towns, roadFactor);
    if (extension == ".txt")
        return TownPath(towns, ReadTownsFile(path), roadFactor, std::filesystem::path(path).filename().string());
    throw TripPlanError(path + ": not a GPX, CSV or towns file (.gpx, .csv or .txt)");
}

TripPath TownsOrFilePath(const TripRequest& request)
{
    std::optional<TownIndex> loaded;
    if (!request.townIndex)
        loaded = TownIndex::Load(request.folder);
    const TownIndex& towns = request.townIndex ? *request.townIndex : *loaded;
    const TripPath path = request.source == TripPathSource::kTowns
                              ? TownPath(towns, request.towns, request.roadFactor, "towns")
                              : ReadPathFile(request.pathFile, towns, request.roadFactor);
    return CutPath(path, request.from, request.to);
}

} // namespace dawnrule
