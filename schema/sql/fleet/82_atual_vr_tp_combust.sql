-- Run at every login: each fuel type takes the unit price of its warehouse material's latest
-- entry (newest date; of two entries on one date, the one recorded last). Fuels without a
-- material, or whose material has no priced entry, keep their value. A row is written only when
-- its value changes, so workstations logging in together do not collide on unchanged rows.
-- The warehouse table is another system's: only the columns the fleet program knows are used.
SET TERM ^ ;

create procedure atual_vr_tp_combust
as
declare variable v_cod integer;
declare variable v_material integer;
declare variable v_preco numeric(18,4);
begin
  for select tc_cod, tc_material from vkl_tipo_combust
       where tc_material is not null
        into :v_cod, :v_material
  do
  begin
    v_preco = null;
    select first 1 mo_vrunit from movimento_materiais
     where mo_material = :v_material and mo_mov = 'E' and mo_vrunit > 0
     order by mo_data desc, rdb$db_key desc
      into :v_preco;
    if (v_preco is not null) then
      update vkl_tipo_combust set tc_valor = :v_preco
       where tc_cod = :v_cod and tc_valor is distinct from cast(:v_preco as numeric(18,2));
  end
end^

SET TERM ; ^
