"""The program's icons: the glowing first letter of the title on the start-up splash, cut at every
size of the hicolor theme the package ships, into OUTDIR/<N>x<N>/apps/cinderwake.png."""
import os
import sys

from PIL import Image

SIZES = (16, 32, 48, 64, 128, 256)

splash, out_dir = sys.argv[1], sys.argv[2]
letter = Image.open(splash).convert("RGB").crop((38, 72, 136, 170))
for size in SIZES:
    folder = os.path.join(out_dir, f"{size}x{size}", "apps")
    os.makedirs(folder, exist_ok=True)
    letter.resize((size, size), Image.LANCZOS).save(os.path.join(folder, "cinderwake.png"), optimize=True)
