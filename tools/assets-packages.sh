# Debian packages the asset generators and their checks need, beyond tools/packages.sh.
# Each generator appends its own line.
RIBAKU_ASSET_PACKAGES=()
# Music and sounds: fluidsynth renders the MIDI pieces to listen to them, sox measures levels.
RIBAKU_ASSET_PACKAGES+=(fluidsynth sox)
# Tilesets: the Chinese characters of the faces and the small numbers of flowers and seasons.
RIBAKU_ASSET_PACKAGES+=(fonts-noto-cjk fonts-dejavu-core)
# Pictures: calligraphy of the backgrounds and tiles, and the italic serif of the splash title.
RIBAKU_ASSET_PACKAGES+=(fonts-noto-cjk fonts-dejavu-core fonts-dejavu-extra)
