"""Writers with fixed settings so every run gives the same bytes."""
import os

JPEG_QUALITY = 90


def save_jpeg(img, directory, name):
    img.convert("RGB").save(os.path.join(directory, name), "JPEG", quality=JPEG_QUALITY,
                            optimize=False, progressive=False, subsampling=0)


def save_bmp(img, directory, name):
    """24-bit BMP, or 8-bit when img is palettised (mode "P")."""
    if img.mode not in ("RGB", "P"):
        img = img.convert("RGB")
    img.save(os.path.join(directory, name), "BMP")


def save_gif(img, directory, name):
    img.save(os.path.join(directory, name), "GIF", optimize=False)
