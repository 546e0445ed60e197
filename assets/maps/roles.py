"""What each role of a map file means: its mask class and its painter."""
import paint_ground
import paint_machines
import paint_outdoor
import paint_props
import paint_solid
from paint_lights import PAINTERS as LIGHTS
from paint_triggers import trigger

OPEN, WALL, TRIGGER, NONE = 0, 1, 2, None

PAINTERS = {}
CLASSES = {}
for _table, _cls in ((paint_ground.PAINTERS, OPEN), (paint_solid.PAINTERS, WALL),
                     (paint_outdoor.PAINTERS, WALL), (paint_props.PAINTERS, WALL),
                     (paint_machines.PAINTERS, WALL), (LIGHTS, NONE)):
    for _role, _fn in _table.items():
        PAINTERS[_role] = _fn
        CLASSES[_role] = _cls
PAINTERS['trigger'] = trigger
CLASSES['trigger'] = TRIGGER

# Round things block with their solid core only; the rim of a crown is leaves.
MASK_SCALE = {'tree': 0.55, 'bush': 0.7, 'plant': 0.8}


def check_role(shape):
    if shape.base_role not in PAINTERS:
        raise KeyError(f'line {shape.line}: unknown role {shape.role!r}')
    if shape.base_role == 'trigger' and not shape.trigger_name:
        raise KeyError(f'line {shape.line}: a trigger needs a name (trigger:NAME)')


def mask_class(shape):
    return CLASSES[shape.base_role]


def mask_grow(shape):
    scale = MASK_SCALE.get(shape.base_role)
    if scale is None or shape.kind != 'circle':
        return 0.0
    return -(1.0 - scale) * shape.radius
