# the device-command worker
