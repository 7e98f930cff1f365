# The Debian 12 packages the game and its tests need.
BUILD_PACKAGES=(build-essential cmake qt6-base-dev qt6-svg-dev qt6-charts-dev libgl-dev
  fonts-liberation fonts-dejavu-core)
TEST_PACKAGES=(libgtest-dev libgmock-dev xvfb xauth locales)
