-- A maintenance entry's total is always the sum of its items: the program writes 0 when it
-- creates the entry and only reads the total afterwards. The total is recounted rather than
-- adjusted, so a concurrent change of the same entry ends in an update conflict instead of a
-- silently wrong figure.
SET TERM ^ ;

create trigger tr_itens_manut_veic_total for vkl_itens_manut_veic
active after insert or update or delete position 0
as
begin
  if (inserting or updating) then
    update vkl_manut_veic
       set mtv_vr_total = coalesce((select sum(imtv_valor) from vkl_itens_manut_veic
                                     where imtv_ano = new.imtv_ano
                                       and imtv_seq = new.imtv_seq
                                       and imtv_veic = new.imtv_veic), 0)
     where mtv_ano = new.imtv_ano and mtv_seq = new.imtv_seq and mtv_veic = new.imtv_veic;

  -- A deleted item, or an item moved to another entry, changes the old entry's total too.
  if (deleting or (updating and (old.imtv_ano <> new.imtv_ano or old.imtv_seq <> new.imtv_seq
                                 or old.imtv_veic <> new.imtv_veic))) then
    update vkl_manut_veic
       set mtv_vr_total = coalesce((select sum(imtv_valor) from vkl_itens_manut_veic
                                     where imtv_ano = old.imtv_ano
                                       and imtv_seq = old.imtv_seq
                                       and imtv_veic = old.imtv_veic), 0)
     where mtv_ano = old.imtv_ano and mtv_seq = old.imtv_seq and mtv_veic = old.imtv_veic;
end^

-- An entry's items go with it. Left behind, they would be taken over by the next entry of the
-- vehicle, which receives the freed sequence number.
create trigger tr_manut_veic_itens for vkl_manut_veic
active after delete position 0
as
begin
  delete from vkl_itens_manut_veic
   where imtv_ano = old.mtv_ano and imtv_seq = old.mtv_seq and imtv_veic = old.mtv_veic;
end^

SET TERM ; ^
