#pragma once

#include "core/selection_lists.h"
#include "sim/device_model.h"

#include <memory>

// A simulated device on its own, with the window's scanner register catalogue.
inline std::unique_ptr<DeviceModel> makeDevice(DeviceOptions options = {})
{
    return std::make_unique<DeviceModel>(std::move(options), SelectionLists::scannerRegisterItems());
}
